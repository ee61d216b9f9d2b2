#!/usr/bin/env node
// SPDX-FileCopyrightText: 2026 The Towers project
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The page on touch screens, as Chromium's device emulation makes them: a
// phone upright, the same phone on its side, and a large tablet. On each the
// whole window must show, as large as fits, and a finger must play the first
// moves of a game and press a button, with no scrolling or zooming of the
// browser's in the way:
//   touch.mjs SITE [SCREENSHOT_FOLDER]
import { writeFileSync } from 'node:fs';
import { join } from 'node:path';
import { colours, onScreen, places } from './board.mjs';
import { check, expectColours, failures, limitTime, windowDrawn } from './check.mjs';
import { openBrowser } from './devtools.mjs';
import { serve } from './serve.mjs';

const [site, screenshots] = process.argv.slice(2);
const screens = [
    { name: '360x740', width: 360, height: 740, ratio: 2 },
    { name: '740x360', width: 740, height: 360, ratio: 3 },
    { name: '1280x800', width: 1280, height: 800, ratio: 1 },
];
limitTime(240);

const server = await serve(site);
const browser = await openBrowser();
try {
    for (const screen of screens) {
        console.log(`a touch screen of ${screen.name} CSS pixels at ${screen.ratio}x`);
        const page = await browser.newPage();
        await page.emulate({ ...screen, mobile: true });
        await page.go(server.url);
        await page.waitFor(windowDrawn);
        const at = place => onScreen(place, screen);
        const expect = (what, checks, which) => expectColours(page, what,
            checks.map(([place, colour]) => ({ ...at(place), colour })), which);
        const view = () => page.evaluate('[scrollX, scrollY, visualViewport.scale].join()');
        const unmoved = await view();

        await expect('the whole window shows, its corners in their places', [
            [places.showButton, colours.turquoise], [places.counter, colours.white],
            [places.diskCountColour(9), colours.purple], [places.disk(0), colours.darkRed],
        ]);
        await expect('the instructions\' scroll bar, at the bottom right, shows', [
            [places.instructionsScrollBar, `not ${colours.formBlue}`],
        ]);
        const finger = await page.fingerDown(at(places.disk(0)));
        const board = { x: 4000, y: 2500 };
        await finger.moveTo(at(board));
        const outline = places.outlineTop(board);
        await expect('the outline of disk 0 follows the finger', [-15, 0, 15].map(dy => (
            [{ x: outline.x, y: outline.y + dy }, colours.black]
        )), 'any');
        await finger.moveTo(at(places.peg(2)));
        await finger.lift();
        await expect('a finger moves disk 0 to the right peg', [
            [places.disk(0, 2), colours.darkRed], [places.disk(0), colours.brown],
        ]);
        await page.swipe(at(places.disk(1)), at(places.peg(1)));
        await expect('and disk 1 to the middle peg', [[places.disk(1, 1), colours.orange]]);
        await page.swipe(at(places.disk(0, 2)), at(places.peg(1)));
        await expect('and disk 0 onto it', [[places.disk(0, 1), colours.darkRed]]);
        await page.tap(at(places.stepBackButton));
        await page.tap(at(places.stepBackButton));
        await expect('two taps on the step-back button take disk 0 back, as two clicks do', [
            [places.disk(0, 2), colours.darkRed], [places.disk(0, 1), colours.brown],
        ]);
        const after = await view();
        check('the page neither scrolled nor zoomed', after === unmoved,
            `scroll x, y and zoom ${unmoved} before, ${after} after`);
        if (screenshots)
            writeFileSync(join(screenshots, `touch-${screen.name}.png`), await page.screenshot());
        await page.close();
    }
} finally {
    await browser.close();
    await server.close();
}
process.exit(failures() > 0 ? 1 : 0);
