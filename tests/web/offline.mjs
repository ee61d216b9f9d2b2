#!/usr/bin/env node
// SPDX-FileCopyrightText: 2026 The Towers project
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The page as a pupil's browser keeps it: installable, its worker keeping
// exactly the files on its own list, and working with the server gone after
// the first visit, in headless Chromium with one profile throughout:
//   offline.mjs SITE
// (updates.mjs puts a newer version up.)
import { readFileSync } from 'node:fs';
import { join } from 'node:path';
import { windowSize } from './board.mjs';
import { check, expectPlays, failures, limitTime } from './check.mjs';
import { openBrowser } from './devtools.mjs';
import { serve } from './serve.mjs';

const [site] = process.argv.slice(2);
limitTime(180);

// The worker's own list, as the build wrote it into sw.js, and the page.
const worker = readFileSync(join(site, 'sw.js'), 'utf8');
const listed = ['', ...[...worker.matchAll(/"url": "([^"]+)"/g)].map(match => match[1])].sort();

const server = await serve(site);
const browser = await openBrowser();
try {
    const page = await browser.newPage();
    await page.emulate(windowSize);
    await page.go(server.url);
    await expectPlays(page, 'the first visit shows the window, and a disk moves');
    const { installabilityErrors } = await page.command('Page.getInstallabilityErrors');
    check('Chromium can install the page as an app', installabilityErrors.length === 0,
        JSON.stringify(installabilityErrors));
    await page.waitFor('navigator.serviceWorker.controller !== null', 60);
    const kept = await page.evaluate(`(async () => {
        const names = await caches.keys();
        const files = names.length === 1 ? await (await caches.open(names[0])).keys() : [];
        return [names.length, files.map(request => new URL(request.url).pathname.slice(1)).sort()];
    })()`);
    check('the service worker keeps the files on its list, and the page, in one cache',
        kept[0] === 1 && kept[1].join() === listed.join() && listed.length > 8,
        `${kept[0]} caches: ${kept[1].join(', ')}; listed: ${listed.join(', ')}`);

    await server.close();
    await page.reload();
    await expectPlays(page, 'with the server gone, a reload shows the window, and a disk moves');
} finally {
    await browser.close();
    await server.close();
}
process.exit(failures() > 0 ? 1 : 0);
