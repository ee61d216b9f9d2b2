#!/usr/bin/env node
// SPDX-FileCopyrightText: 2026 The Towers project
// SPDX-License-Identifier: GPL-3.0-or-later
//
// What the page's service worker answers, and what not, in headless Chromium:
// the kept page when the server answers with an error (a login, a refusal, a
// folder being uploaded anew, a failure: 401, 403, 404, 503) or keeps silent,
// a page the server reached by a redirect, no other page of the folder, a
// newer worker that cannot get its files leaving no cache, and the retiring
// worker, which leaves nothing behind:
//   worker.mjs SITE RETIRING_WORKER
// The page is in /towers/ and in /moved/, whose address the server redirects
// to /moved/index.html; beside them, /towers/other/ is a page of its own.
import { copyFileSync, cpSync, mkdirSync, readFileSync, rmSync, writeFileSync } from 'node:fs';
import { join } from 'node:path';
import { windowSize } from './board.mjs';
import { check, expectPlays, failures, limitTime } from './check.mjs';
import { openBrowser } from './devtools.mjs';
import { serve } from './serve.mjs';
import { temporary } from './versions.mjs';

const [site, retiring] = process.argv.slice(2);
limitTime(240);

const root = temporary('server');
cpSync(site, join(root, 'towers'), { recursive: true });
cpSync(site, join(root, 'moved'), { recursive: true });
mkdirSync(join(root, 'towers/other'));
writeFileSync(join(root, 'towers/other/index.html'), '<!DOCTYPE html><title>Another page</title><p>Another page');

// What the server does instead of serving the folder.
let failing = null;
const answer = (request, response) => {
    if (request.url === '/moved/') {
        response.writeHead(302, { Location: '/moved/index.html' });
        response.end();
        return true;
    }
    if (typeof failing === 'number') {
        response.writeHead(failing, { 'Content-Type': 'text/html' });
        response.end(`<!DOCTYPE html><title>${failing}</title><p>${failing}`);
        return true;
    }
    return failing === 'silent'; // never answered
};
let server = await serve(root, { answer });
const address = path => `${server.url}${path}`;
const browser = await openBrowser();
try {
    const tab = await browser.newPage();
    await tab.emulate(windowSize);
    for (const folder of ['towers/', 'moved/']) {
        await tab.go(address(folder));
        await expectPlays(tab, `the page in /${folder} runs`);
        await tab.waitFor('navigator.serviceWorker.controller !== null', 60);
    }
    await tab.go(address('towers/other/'));
    check('another page in the folder comes from the server', await tab.evaluate('document.title') === 'Another page');

    for (const status of [401, 403, 404, 503]) {
        failing = status;
        await tab.go(address('towers/'));
        await expectPlays(tab, `the server answers ${status}: the kept page runs`);
    }
    const other = await tab.go(address('towers/other/')).then(() => tab.evaluate('document.title'));
    check('and another page in the folder is the server\'s answer, not the kept page', other === '503', other);

    failing = 'silent';
    const started = Date.now();
    await tab.go(address('towers/'));
    await expectPlays(tab, 'the server keeps silent: the kept page runs');
    check('within a few seconds', Date.now() - started < 15000, `${Date.now() - started} ms`);

    failing = null;
    await server.close();
    await tab.go(address('moved/')).catch(error => console.log(`(${error.message})`));
    await expectPlays(tab, 'offline, the page the server redirected to runs from its address');
    const otherOffline = await tab.go(address('towers/other/')).then(() => 'answered', error => error.message);
    check('offline, another page in the folder is not answered', otherOffline !== 'answered', otherOffline);

    server = await serve(root, { port: server.port, answer });
    const worker = join(root, 'towers/sw.js');
    const kept = readFileSync(worker, 'utf8');
    writeFileSync(worker, kept.replace(/const version = '(\w+)'/, "const version = 'unreachable'")
        .replace('const files = [', 'const files = [{ "url": "missing.0123456789abcdef.js", "integrity": "sha384-none" },'));
    await tab.go(address('towers/'));
    await tab.evaluate('navigator.serviceWorker.getRegistration().then(registration => registration.update()).catch(() => {})');
    await tab.waitFor(`navigator.serviceWorker.getRegistration().then(registration =>
        !registration.installing && !registration.waiting)`, 30).catch(() => {});
    const caches = (await tab.evaluate('caches.keys()')).filter(name => name.includes('/towers/ '));
    check('a newer worker whose files are not all there leaves no cache of its own, and the kept one stays',
        caches.length === 1 && !caches[0].endsWith(' unreachable'), caches.join(', '));

    copyFileSync(retiring, worker);
    await tab.go(address('towers/'));
    await tab.waitFor(`navigator.serviceWorker.getRegistrations().then(all =>
        !all.some(registration => registration.scope.endsWith('/towers/')))`, 60).catch(() => {});
    const left = await tab.evaluate(`(async () => [
        ...(await caches.keys()).filter(name => name.includes('/towers/ ')),
        ...(await navigator.serviceWorker.getRegistrations()).map(registration => registration.scope)
            .filter(scope => scope.endsWith('/towers/'))])()`);
    check('the retiring worker leaves no cache and no worker of the page', left.length === 0, left.join(', '));
} finally {
    await browser.close();
    await server.close();
    rmSync(root, { recursive: true, force: true });
}
process.exit(failures() > 0 ? 1 : 0);
