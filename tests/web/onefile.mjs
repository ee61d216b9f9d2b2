#!/usr/bin/env node
// SPDX-FileCopyrightText: 2026 The Towers project
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The one-file page opened as a file, as from a USB stick or a message, with
// no server and every host unreachable, in headless Chromium: small enough to
// send by mail, the window as the end-to-end cases' start-up sees it, and a
// drag, all under the page's own strict security policy; so too in a browser
// without Uint8Array.fromBase64 or without constructed style sheets, where
// Qt's screen style is a <style> element the policy allows by its hash; and
// in one without DecompressionStream, which cannot unpack the program, the
// Bulgarian message that says so.
//   onefile.mjs ONE_FILE
import { statSync } from 'node:fs';
import { resolve } from 'node:path';
import { pathToFileURL } from 'node:url';
import { colours, onScreen, places, windowSize } from './board.mjs';
import { check, expectColours, failures, limitTime, recordRefusals, refusals, windowDrawn } from './check.mjs';
import { openBrowser } from './devtools.mjs';

const [file] = process.argv.slice(2);
limitTime(120);

const at = place => onScreen(place, windowSize);
// Many schools' mail takes no attachment over 10 MB, which base64 makes of 7.5.
const { size } = statSync(file);
check('the file is under 5 MB', size <= 5e6, `${size} bytes`);

const browser = await openBrowser(['--host-resolver-rules=MAP * ~NOTFOUND']);
try {
    // Once more in browsers older than this one: without
    // Uint8Array.fromBase64, as before 2025, and without constructed style
    // sheets, as Safari before 16.4.
    for (const without of [null, 'Uint8Array.fromBase64', 'ShadowRoot.prototype.adoptedStyleSheets']) {
        console.log(without ? `without ${without}:` : 'in this Chromium:');
        const page = await browser.newPage();
        if (without)
            await page.command('Page.addScriptToEvaluateOnNewDocument', { source: `delete ${without};` });
        await page.emulate(windowSize);
        await recordRefusals(page);
        await page.go(pathToFileURL(resolve(file)).href);
        await page.waitFor(windowDrawn, 60);
        check('the title is the window\'s', await page.evaluate('document.title') === process.env.TOWERS_WINDOW_TITLE);
        await expectColours(page, 'the window as it starts', [
            [places.showButton, colours.turquoise], [places.counter, colours.white],
            [places.diskCountColour(9), colours.purple], [places.disk(0), colours.darkRed],
            [places.disk(1), colours.orange], [{ x: 3800, y: 2000 }, colours.formBlue],
        ].map(([place, colour]) => ({ ...at(place), colour })));
        await page.mouseDrag(at(places.disk(0)), at(places.peg(2)));
        await expectColours(page, 'a mouse drag moves disk 0 to the right peg', [
            { ...at(places.disk(0, 2)), colour: colours.darkRed },
            { ...at(places.disk(0)), colour: colours.brown },
        ]);
        const fetched = await page.evaluate(`performance.getEntriesByType('resource')
            .map(entry => entry.name.slice(0, 40)).filter(name => !/^(data|file):/.test(name))`);
        check('nothing came from anywhere but the file', fetched.length === 0, fetched.join(', '));
        const policy = await page.evaluate(
            'document.querySelector(\'meta[http-equiv="Content-Security-Policy"]\')?.content ?? ""');
        check('the page\'s own policy allows no connection and refused nothing',
            policy.includes("connect-src 'none'") && (await refusals(page)).length === 0,
            `${policy}; refused: ${(await refusals(page)).join(', ')}`);
        await page.close();
    }

    console.log('without DecompressionStream, as Safari before 16.4:');
    const page = await browser.newPage();
    await page.command('Page.addScriptToEvaluateOnNewDocument', { source: 'delete window.DecompressionStream;' });
    await page.go(pathToFileURL(resolve(file)).href);
    const said = await page.waitFor('document.getElementById("status").textContent.includes("твърде стар")', 30)
        .then(() => true, () => false);
    check('the page says the browser is too old to unpack the program', said,
        await page.evaluate('document.getElementById("status").textContent'));
} finally {
    await browser.close();
}
process.exit(failures() > 0 ? 1 : 0);
