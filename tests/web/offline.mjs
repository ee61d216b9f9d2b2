#!/usr/bin/env node
// SPDX-FileCopyrightText: 2026 The Towers project
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The page as a pupil's browser keeps it: installable, working with the
// server gone after the first visit, and replaced whole by a newer version,
// in headless Chromium with one profile throughout:
//   offline.mjs SITE SITE_PY
// The newer version is the same site with page.js changed, given a version
// of its own by site.py, as a build would.
import { execFileSync } from 'node:child_process';
import { appendFileSync, cpSync, mkdtempSync, rmSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { colours, onScreen, places, windowSize } from './board.mjs';
import { check, expectColours, failures, limitTime, windowDrawn } from './check.mjs';
import { openBrowser } from './devtools.mjs';
import { serve } from './serve.mjs';

const [site, sitePy] = process.argv.slice(2);
limitTime(240);

const at = place => onScreen(place, windowSize);
const version = page => page.evaluate('document.querySelector("script[data-version]").dataset.version');
const cacheNames = page => page.evaluate('caches.keys()');
// The window is there, and a disk moves, as on any start.
const plays = async (page, what) => {
    await page.waitFor(windowDrawn);
    await page.swipe(at(places.disk(0)), at(places.peg(2)));
    await expectColours(page, what, [
        { ...at(places.disk(0, 2)), colour: colours.darkRed },
        { ...at(places.disk(0)), colour: colours.brown },
    ]);
};

const newer = mkdtempSync(join(tmpdir(), 'towers-newer-'));
let server = await serve(site);
const browser = await openBrowser();
try {
    const page = await browser.newPage();
    await page.emulate(windowSize);
    await page.go(server.url);
    await plays(page, 'the first visit shows the window, and a disk moves');
    const { installabilityErrors } = await page.command('Page.getInstallabilityErrors');
    check('Chromium can install the page as an app', installabilityErrors.length === 0,
        JSON.stringify(installabilityErrors));
    const first = await version(page);
    await page.waitFor('navigator.serviceWorker.controller !== null', 60);
    const kept = await page.evaluate(`(async () => {
        const names = await caches.keys();
        return names.length === 1 ? (await (await caches.open(names[0])).keys()).length : -names.length;
    })()`);
    check('the service worker keeps the page\'s 9 files in one cache', kept === 9, `${kept}`);

    await server.close();
    await page.reload();
    await plays(page, 'with the server gone, a reload shows the window, and a disk moves');

    cpSync(site, newer, { recursive: true });
    appendFileSync(join(newer, 'page.js'), '// a newer version\n');
    execFileSync('python3', [sitePy, '--version', newer, 'towers']);
    server = await serve(newer, server.port);
    await page.reload();
    await plays(page, 'a newer version on the server: a reload shows its window, and a disk moves');
    const second = await version(page);
    const wasm = await page.evaluate(`performance.getEntriesByType('resource')
        .map(entry => entry.name).filter(name => name.includes('.wasm')).join()`);
    check('the reloaded page is the newer version, with its own program file',
        second !== first && wasm.endsWith(`towers.wasm?v=${second}`), `${first} then ${second}: ${wasm}`);
    await page.waitFor(`caches.keys().then(names => names.length === 1 && names[0].endsWith('${second}'))`, 60)
        .catch(() => {});
    const left = await cacheNames(page);
    check('only the newer version\'s cache is left', left.length === 1 && left[0].endsWith(second),
        JSON.stringify(left));
} finally {
    await browser.close();
    await server.close();
    rmSync(newer, { recursive: true, force: true });
}
process.exit(failures() > 0 ? 1 : 0);
