#!/usr/bin/env node
// SPDX-FileCopyrightText: 2026 The Towers project
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The page's start in headless Chromium against a bare Qt window for the web
// with the program's widgets (bench/baseline), each served from 127.0.0.1 by
// Debian's nginx with the configuration of docs/web-hosting.md (tests/web/servers.mjs):
//   firstframe.mjs BUILD_WEB_DIR [ROUNDS]
// Each round visits each page in an order that turns with the round: a first
// visit in a fresh profile (nothing cached), then, once its service worker
// keeps the page and the browser has had time to keep the compiled
// WebAssembly, a browser started anew on the same profile visits twice more
// (files from the worker's cache). For each visit: the time from navigation
// to the window's first frame (page.js's window-drawn mark), and the bytes
// the browser transferred by then (DevTools' encodedDataLength). Prints the
// medians with their smallest and largest, and the program's ratio to the
// baseline, the median of the per-round ratios; then the bytes of a first
// visit from nginx as Debian installs it, without the configuration; and what
// the configured nginx's log says it sent for a first visit in a fresh
// profile, left 20 s for the worker to keep the page: on 127.0.0.1, which a
// browser treats as HTTPS (brotli), and by a name of the school's network
// over plain HTTP (gzip, no worker).
import { cpSync, mkdtempSync, rmSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { windowSize } from '../../tests/web/board.mjs';
import { windowDrawn } from '../../tests/web/check.mjs';
import { openBrowser, sleep } from '../../tests/web/devtools.mjs';
import { startServer } from '../../tests/web/servers.mjs';
import { temporary } from '../../tests/web/versions.mjs';

const build = process.argv[2] ?? 'build-web';
const rounds = Number(process.argv[3] ?? 11);
const sites = { program: join(build, 'site'), baseline: join(build, 'bench', 'site') };

const roots = {};
const servers = {};
for (const [name, site] of Object.entries(sites)) {
    roots[name] = temporary(`bench-${name}`);
    cpSync(site, join(roots[name], 'towers'), { recursive: true });
    servers[name] = await startServer('nginx', roots[name]);
}

// One visit in a browser of that profile: first frame in ms, bytes by then.
const visit = async (url, profile) => {
    const browser = await openBrowser([], { profile });
    try {
        const page = await browser.newPage();
        await page.emulate(windowSize);
        await page.command('Network.enable', { maxTotalBufferSize: 0 });
        let bytes = 0;
        page.on('Network.loadingFinished', ({ encodedDataLength }) => { bytes += encodedDataLength; });
        await page.go(url);
        await page.waitFor(windowDrawn, 60);
        const transferred = bytes;
        const ms = await page.evaluate("performance.getEntriesByName('window-drawn')[0].startTime");
        return { page, browser, ms, bytes: transferred };
    } catch (error) {
        await browser.close();
        throw error;
    }
};

const visits = async name => {
    const profile = mkdtempSync(join(tmpdir(), 'towers-bench-profile-'));
    try {
        const first = await visit(servers[name].url, profile);
        await first.page.waitFor('navigator.serviceWorker.controller !== null', 60);
        await sleep(5000); // for the browser to keep the compiled WebAssembly
        await first.browser.close();
        const again = [];
        for (let i = 0; i < 2; i++) {
            const later = await visit(servers[name].url, profile);
            again.push(later);
            await sleep(i === 0 ? 5000 : 0);
            await later.browser.close();
        }
        return [first, ...again].map(({ ms, bytes }) => ({ ms, bytes }));
    } finally {
        rmSync(profile, { recursive: true, force: true });
    }
};

const median = values => {
    const sorted = [...values].sort((a, b) => a - b);
    const middle = sorted.length >> 1;
    return sorted.length % 2 ? sorted[middle] : (sorted[middle - 1] + sorted[middle]) / 2;
};
const spread = (values, digits) =>
    `${median(values).toFixed(digits)} [${Math.min(...values).toFixed(digits)}, ${Math.max(...values).toFixed(digits)}]`;

await visits('program'); // a warm-up for Chromium's own files, not counted
await visits('baseline');
const results = { program: [], baseline: [] };
for (let round = 0; round < rounds; ++round) {
    for (const name of round % 2 ? ['baseline', 'program'] : ['program', 'baseline'])
        results[name].push(await visits(name));
}

const asInstalledRoot = temporary('bench-as-installed');
cpSync(sites.program, join(asInstalledRoot, 'towers'), { recursive: true });
const asInstalled = await startServer('nginx', asInstalledRoot, { configured: false });
const plain = await visit(asInstalled.url);
await plain.browser.close();
await asInstalled.close();

// A first visit as the server counts it, worker included.
const sentByServer = async (host = null) => {
    const root = temporary('bench-sent');
    cpSync(sites.program, join(root, 'towers'), { recursive: true });
    const server = await startServer('nginx', root);
    const url = host ? server.url.replace('127.0.0.1', host) : server.url;
    const browser = await openBrowser(host ? [`--host-resolver-rules=MAP ${host} 127.0.0.1`] : []);
    try {
        const page = await browser.newPage();
        await page.emulate(windowSize);
        await page.go(url);
        await page.waitFor(windowDrawn, 60);
        await sleep(20000);
        return { ...server.sent(), worker: await page.evaluate('!!navigator.serviceWorker?.controller') };
    } finally {
        await browser.close();
        await server.close();
        rmSync(root, { recursive: true, force: true });
    }
};
const sent = { local: await sentByServer(), plainHttp: await sentByServer('school.test') };

for (const server of Object.values(servers))
    await server.close();
for (const root of [...Object.values(roots), asInstalledRoot])
    rmSync(root, { recursive: true, force: true });

console.log(`${rounds} rounds, headless Chromium, nginx on 127.0.0.1 with the configuration of docs/web-hosting.md`);
const visitNames = ['first visit', 'second visit', 'third visit'];
for (const [i, what] of visitNames.entries()) {
    for (const name of ['program', 'baseline']) {
        const r = results[name].map(round => round[i]);
        console.log(`${what.padEnd(12)} ${name.padEnd(9)} first frame ${spread(r.map(x => x.ms), 0)} ms, ` +
            `transferred ${spread(r.map(x => x.bytes / 1e6), 3)} MB`);
    }
    const ratios = results.program.map((round, r) => round[i].ms / results.baseline[r][i].ms);
    console.log(`${what.padEnd(12)} program / baseline, first frame: ${spread(ratios, 3)}`);
}
const secondToFirst = results.program.map(round => round[1].ms / round[0].ms);
console.log(`program, second visit / first visit, first frame: ${spread(secondToFirst, 3)}`);
console.log(`program, first visit from nginx as installed: transferred ${(plain.bytes / 1e6).toFixed(3)} MB`);
for (const [what, { bytes, answers, worker }] of Object.entries(sent)) {
    console.log(`program, first visit as nginx sent it, ${what === 'local' ? 'on 127.0.0.1' : 'over plain HTTP'}: `
        + `${(bytes / 1e6).toFixed(3)} MB in ${answers} answers, ${worker ? 'with' : 'without'} the worker`);
}
process.exit(0);
