#!/usr/bin/env node
// SPDX-FileCopyrightText: 2026 The Towers project
// SPDX-License-Identifier: GPL-3.0-or-later
//
// A newer version put up where a pupil's browser already keeps the page, in
// headless Chromium, one profile a server:
// - on servers that let the browser keep files for a while (Last-Modified
//   without Cache-Control, as Python's server and many static hosts send;
//   max-age=600): the worker replaced by version 2's at its next look for
//   one, even in a page that is open, and an ordinary visit online, then one
//   offline, run version 2 whole;
// - uploaded in half (the new page and worker before the new files, then the
//   WebAssembly cut short): never a mixed run, but a Bulgarian message, and
//   offline version 1 still runs whole.
//   updates.mjs SITE SITE_PY DESIGN_FACTS PROGRAM_JS QTLOADER_JS
import { rmSync, statSync, truncateSync } from 'node:fs';
import { join } from 'node:path';
import { windowSize } from './board.mjs';
import { check, expectPlays, failures, limitTime, refusesMix, visit } from './check.mjs';
import { openBrowser, sleep } from './devtools.mjs';
import { serve } from './serve.mjs';
import { namesOf, newerVersion, putUpLongAgo, temporary, upload, versionOf } from './versions.mjs';

const [site, sitePy, designFacts, programJs, loader] = process.argv.slice(2);
limitTime(420);

const newer = newerVersion(site, sitePy, designFacts, programJs, loader);
const [first, second] = [versionOf(site), versionOf(newer)];
const folders = [];

const version = page => page.evaluate('document.querySelector("script[data-version]")?.dataset.version');
// Every file the page loaded is one its version names.
const loadedOnly = async (page, folder) => {
    const own = namesOf(folder).all;
    const loaded = await page.evaluate(`performance.getEntriesByType('resource')
        .map(entry => new URL(entry.name).pathname.split('/').pop())`);
    return loaded.filter(name => /\.[0-9a-f]{16}\./.test(name) && !own.includes(name));
};
const keptVersions = page => page.evaluate('caches.keys()').then(names => names.map(name => name.split(' ').pop()));
const installed = (page, version) => page.waitFor(`caches.keys().then(names =>
    names.length === 1 && names[0].endsWith(' ${version}'))`, 60).then(() => true, () => false);

// Version 1 put up on a server of its own and visited once in a fresh
// browser, whose worker keeps it; then the rest of the story.
async function fromVersion1(what, headers, story) {
    console.log(`${what}:`);
    const folder = temporary('server');
    folders.push(folder);
    putUpLongAgo(site, folder);
    const server = await serve(folder, { headers });
    const browser = await openBrowser();
    try {
        const page = await browser.newPage();
        await page.emulate(windowSize);
        await visit(page, server.url);
        await expectPlays(page, 'version 1 runs');
        check('and its worker keeps it', await installed(page, first));
        await story(page, server, folder);
    } finally {
        await browser.close();
        await server.close();
    }
}

// The page runs, and every file it loaded is of the version expected.
const runsWhole = async (page, what, folder) => {
    await expectPlays(page, what);
    const stray = await loadedOnly(page, folder);
    check(`version ${folder === site ? 1 : 2}, whole`, await version(page) === versionOf(folder) && stray.length === 0,
        `version ${await version(page)}; ${stray.join(', ')}`);
};

const update = (what, headers) => fromVersion1(what, headers, async (page, server, folder) => {
    upload(newer, folder);
    await page.evaluate('navigator.serviceWorker.ready.then(registration => registration.update())');
    check('version 2 put up: the open page\'s worker, told to look for a newer one, is replaced by it',
        await installed(page, second), (await keptVersions(page)).join());
    await visit(page, server.url);
    await runsWhole(page, 'an ordinary visit online runs version 2', newer);

    await server.close();
    await visit(page, server.url);
    await runsWhole(page, 'offline, it runs', newer);
});

const halfUploaded = () => fromVersion1('version 2 uploaded in half', {}, async (page, server, folder) => {
    upload(newer, folder, ['index.html', 'sw.js', 'manifest.webmanifest']);
    await visit(page, server.url);
    await refusesMix(page, 'the new page before its files: no window, and the page says the site is being updated');

    const { wasm } = namesOf(newer);
    upload(newer, folder);
    truncateSync(join(folder, wasm), statSync(join(folder, wasm)).size >> 1);
    await visit(page, server.url);
    await refusesMix(page, 'the WebAssembly cut short: no window, and the page says the site is being updated');
    await sleep(2000); // for the newer worker to try, and fail
    check('version 1\'s worker and files stay', (await keptVersions(page)).join() === first,
        (await keptVersions(page)).join());

    await server.close();
    await visit(page, server.url);
    await runsWhole(page, 'offline, version 1 runs', site);
});

try {
    await update('a server that sends Last-Modified without Cache-Control', {});
    await update('a server that lets the browser keep every file for ten minutes', { 'Cache-Control': 'max-age=600' });
    await halfUploaded();
} finally {
    for (const folder of [newer, ...folders])
        rmSync(folder, { recursive: true, force: true });
}
process.exit(failures() > 0 ? 1 : 0);
