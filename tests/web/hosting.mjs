#!/usr/bin/env node
// SPDX-FileCopyrightText: 2026 The Towers project
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The page on Debian's nginx or Apache with the configuration of docs/web-hosting.md, in a
// folder of the site (/towers/), in headless Chromium: the headers that make
// it small and safe, none that keeps a missing file for long, the window
// under the strict security policy, a drag, what the server sent for the
// first visit, the worker's included, and, with the server stopped, a reload
// that still runs it, and in a browser without constructed style sheets; on
// Apache with the configuration as .htaccess and its modules as Debian has
// them (bare), the page running all the same:
//   hosting.mjs nginx|apache|apache-htaccess|apache-htaccess-bare SITE
import { chmodSync, cpSync, mkdtempSync, rmSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { windowSize } from './board.mjs';
import { check, expectPlays, failures, limitTime, recordRefusals, refusals } from './check.mjs';
import { openBrowser, sleep } from './devtools.mjs';
import { startServer } from './servers.mjs';
import { namesOf, versionOf } from './versions.mjs';

const [kind, site] = process.argv.slice(2);
limitTime(180);
const bare = kind.endsWith('-bare');

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

    await page.go(server.url);
    await expectPlays(page, `from ${kind}, the window is there${bare ? '' : ' under the strict policy'}, and a disk moves`);
    check('the policy refused nothing', (await refusals(page)).length === 0, (await refusals(page)).join(', '));

    const all = [...responses.values()];
    const first = name => all.find(({ file }) => new RegExp(name).test(file));
    const html = first('^index\\.html$');
    const wasm = first('\\.wasm$');
    const script = first('^towers\\.[0-9a-f]{16}\\.js$');
    if (bare) {
        check('without the modules, no policy, and the WebAssembly compressed as it goes out',
            !html?.headers['content-security-policy'] && /gzip|br/.test(wasm?.headers['content-encoding']),
            JSON.stringify(wasm?.headers));
    } else {
        const policy = html?.headers['content-security-policy'];
        check('the page comes with the security policy, which lets any site frame it, and is asked for anew each visit',
            /script-src 'self' 'wasm-unsafe-eval'/.test(policy) && !/frame-ancestors/.test(policy)
            && html?.headers['cache-control'] === 'no-cache', JSON.stringify(html?.headers));
        check('the WebAssembly comes brotli-compressed as it lies, as application/wasm, kept for a year, for any origin',
            wasm?.headers['content-encoding'] === 'br' && wasm?.headers['content-type'] === 'application/wasm'
            && /immutable/.test(wasm?.headers['cache-control']) && wasm?.headers['access-control-allow-origin'] === '*'
            && !wasm?.headers['content-language'], JSON.stringify(wasm?.headers));
        check('and so does the program\'s script, as JavaScript',
            script?.headers['content-encoding'] === 'br' && /javascript/.test(script?.headers['content-type']),
            JSON.stringify(script?.headers));
    }
    if (kind === 'nginx') {
        const worker = await fetch(`${server.url}sw.js`);
        check('the site\'s own rule for scripts does not take the worker, and its own header is kept',
            worker.headers.get('cache-control') === 'no-cache' && html?.headers['x-content-type-options'] === 'nosniff',
            `sw.js: ${worker.headers.get('cache-control')}; index.html: ${JSON.stringify(html?.headers)}`);
    }

    // A file named by its content that is not there yet, as while the site
    // is being uploaded: asked for again at the next visit.
    const { wasm: wasmName } = namesOf(site);
    const missing = await fetch(`${server.url}${wasmName.replace(/\.[0-9a-f]{16}\./, '.0123456789abcdef.')}`,
        { headers: { 'Accept-Encoding': 'br, gzip' } });
    check('a missing file named by its content is not kept by browsers or caches',
        missing.status === 404 && !/max-age=[1-9]|immutable|public/.test(missing.headers.get('cache-control') ?? ''),
        `${missing.status}, Cache-Control: ${missing.headers.get('cache-control')}`);

    // What the first visit cost, as the server counts it: the page, its
    // files, and the worker's taking them for its own, which it should take
    // from the browser's cache.
    await page.waitFor('navigator.serviceWorker.controller !== null', 60);
    await page.waitFor(`caches.keys().then(names => names.some(name => name.endsWith(' ${versionOf(site)}')))`, 60);
    await sleep(2000);
    const { bytes, answers, lines } = server.sent();
    const limit = bare ? 4e6 : 3e6;
    check(`the first visit, the worker's included, cost ${bytes} bytes in ${answers} answers (at most ${limit / 1e6} MB)`,
        bytes <= limit && bytes > 1e6, lines.join('\n  '));

    // A browser without constructed style sheets, as Safari before 16.4:
    // Qt's screen style comes as a <style> element, which the policy allows
    // by its hash.
    if (!bare) {
        const older = await browser.newPage();
        await older.emulate(windowSize);
        await recordRefusals(older);
        await older.command('Page.addScriptToEvaluateOnNewDocument',
            { source: 'delete ShadowRoot.prototype.adoptedStyleSheets;' });
        await older.go(server.url);
        await expectPlays(older, 'without constructed style sheets the window is there, and a disk moves');
        check('the policy refused nothing there either', (await refusals(older)).length === 0,
            (await refusals(older)).join(', '));
        await older.close();
    }

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
