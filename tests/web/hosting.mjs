#!/usr/bin/env node
// SPDX-FileCopyrightText: 2026 The Towers project
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The page on Debian's nginx or Apache with the README's configuration, in a
// folder of the site (/towers/), in headless Chromium: the headers that make
// it small and safe, the window under the strict security policy, a drag,
// and, with the server stopped, a reload that still runs it:
//   hosting.mjs nginx|apache SITE
import { chmodSync, cpSync, mkdtempSync, rmSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { windowSize } from './board.mjs';
import { check, expectPlays, failures, limitTime, recordRefusals, refusals } from './check.mjs';
import { openBrowser } from './devtools.mjs';
import { startServer } from './servers.mjs';

const [kind, site] = process.argv.slice(2);
limitTime(180);

// Apache's workers read the files as www-data.
const root = mkdtempSync(join(tmpdir(), 'towers-site-'));
chmodSync(root, 0o755);
cpSync(site, join(root, 'towers'), { recursive: true });

let server = await startServer(kind, root);
const browser = await openBrowser();
try {
    const page = await browser.newPage();
    await page.emulate(windowSize);
    await recordRefusals(page);
    await page.command('Network.enable');
    const responses = new Map();
    page.on('Network.responseReceived', ({ requestId, response }) => responses.set(requestId, {
        file: new URL(response.url).pathname.replace('/towers/', '') || 'index.html',
        status: response.status,
        headers: Object.fromEntries(Object.entries(response.headers).map(([k, v]) => [k.toLowerCase(), v])),
    }));
    page.on('Network.loadingFinished', ({ requestId, encodedDataLength }) => {
        if (responses.has(requestId))
            responses.get(requestId).bytes = encodedDataLength;
    });

    await page.go(server.url);
    await expectPlays(page, `from ${kind}, the window is there under the strict policy, and a disk moves`);
    check('the policy refused nothing', (await refusals(page)).length === 0, (await refusals(page)).join(', '));

    const all = [...responses.values()];
    const first = name => all.find(({ file }) => new RegExp(name).test(file));
    const html = first('^index\\.html$');
    const wasm = first('\\.wasm$');
    const script = first('^towers\\.[0-9a-f]{16}\\.js$');
    check('the page comes with the security policy and is asked for anew each visit',
        /script-src 'self' 'wasm-unsafe-eval'/.test(html?.headers['content-security-policy'])
        && html?.headers['cache-control'] === 'no-cache', JSON.stringify(html?.headers));
    check('the WebAssembly comes brotli-compressed as it lies, as application/wasm, kept for a year',
        wasm?.headers['content-encoding'] === 'br' && wasm?.headers['content-type'] === 'application/wasm'
        && /immutable/.test(wasm?.headers['cache-control']), JSON.stringify(wasm?.headers));
    check('and so does the program\'s script, as JavaScript',
        script?.headers['content-encoding'] === 'br' && /javascript/.test(script?.headers['content-type']),
        JSON.stringify(script?.headers));
    const transferred = all.reduce((sum, { bytes = 0 }) => sum + bytes, 0);
    check(`the page and its files came in under 3 MB (${transferred} bytes)`, transferred < 3e6);

    await page.waitFor('navigator.serviceWorker.controller !== null', 60);
    await server.close();
    server = null;
    await page.reload();
    await expectPlays(page, `with ${kind} stopped, a reload shows the window, and a disk moves`);
} finally {
    await browser.close();
    await server?.close();
    rmSync(root, { recursive: true, force: true });
}
process.exit(failures() > 0 ? 1 : 0);
