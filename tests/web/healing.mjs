#!/usr/bin/env node
// SPDX-FileCopyrightText: 2026 The Towers project
// SPDX-License-Identifier: GPL-3.0-or-later
//
// An upload in the wrong order, as an FTP client's alphabetical one, seen by
// a pupil's fresh browser (nothing kept, no worker), on Debian's nginx or
// Apache with the configuration of docs/web-hosting.md, in headless Chromium: the page up
// before the program's files, then those half written, then whole. The page
// says the site is being updated while it is, and the next visit after the
// upload runs, though the browser kept the half files it got:
//   healing.mjs nginx|apache SITE
import { cpSync, readFileSync, rmSync, writeFileSync } from 'node:fs';
import { join } from 'node:path';
import { windowSize } from './board.mjs';
import { expectPlays, failures, limitTime, refusesMix, visit } from './check.mjs';
import { openBrowser } from './devtools.mjs';
import { startServer } from './servers.mjs';
import { namesOf, temporary } from './versions.mjs';

const [kind, site] = process.argv.slice(2);
limitTime(180);

const root = temporary('site');
const folder = join(root, 'towers');
cpSync(site, folder, { recursive: true });
const { wasm, program } = namesOf(site);
// The WebAssembly and the program's script, each as the server may send it.
const coming = [wasm, program].flatMap(name => [name, `${name}.br`, `${name}.gz`]);

const server = await startServer(kind, root);
const browser = await openBrowser();
try {
    const page = await browser.newPage();
    await page.emulate(windowSize);

    for (const name of coming)
        rmSync(join(folder, name));
    await visit(page, server.url);
    await refusesMix(page, `on ${kind}, the page up before the program's files: the page says the site is being updated`);

    for (const name of coming) {
        const content = readFileSync(join(site, name));
        writeFileSync(join(folder, name), content.subarray(0, content.length >> 1));
    }
    await visit(page, server.url);
    await refusesMix(page, 'the files half written: the page still says so');

    for (const name of coming)
        cpSync(join(site, name), join(folder, name));
    await visit(page, server.url);
    await expectPlays(page, 'the upload whole: the next visit runs, and a disk moves');
} finally {
    await browser.close();
    await server.close();
    rmSync(root, { recursive: true, force: true });
}
process.exit(failures() > 0 ? 1 : 0);
