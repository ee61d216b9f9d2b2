#!/usr/bin/env node
// SPDX-FileCopyrightText: 2026 The Towers project
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The page's start in Chromium against a bare Qt window for the web with the
// program's widgets (bench/baseline), served from 127.0.0.1:
//   firstframe.mjs BUILD_WEB_DIR [ROUNDS [AGAINST_SITE]]
// AGAINST_SITE, a folder of another build of the program's page (one without
// its service worker, say), takes the baseline's place.
// Run on an X display (web.sh starts a virtual one). Each round opens each
// page once, in an order that turns with the round, as an app window with a
// fresh profile (nothing cached). The page reports the time from navigation
// to the window's first frame (page.js's "window-drawn" mark) and the bytes
// it transferred; the gzip -9 size of those files is computed here. Prints
// the medians with their smallest and largest, and the program's ratio to the
// baseline: the median of the per-round ratios with its smallest and largest.
import { readFileSync } from 'node:fs';
import { createServer } from 'node:http';
import { extname, join } from 'node:path';
import { gzipSync } from 'node:zlib';
import { startChromium } from '../../tests/web/chromium.mjs';

const build = process.argv[2] ?? 'build-web';
const rounds = Number(process.argv[3] ?? 11);
const sites = { program: join(build, 'site'), baseline: process.argv[4] ?? join(build, 'bench', 'site') };
const types = { '.js': 'text/javascript', '.wasm': 'application/wasm', '.html': 'text/html',
                '.svg': 'image/svg+xml', '.png': 'image/png', '.webmanifest': 'application/manifest+json' };

// Waits for the mark and posts what the page measured.
const report = `new PerformanceObserver((list, observer) => {
    const mark = list.getEntriesByName('window-drawn')[0];
    if (!mark) return;
    observer.disconnect();
    const entries = [...performance.getEntriesByType('navigation'),
                     ...performance.getEntriesByType('resource')];
    fetch('/result', { method: 'POST', body: JSON.stringify({
        ms: mark.startTime,
        bytes: entries.reduce((sum, entry) => sum + entry.transferSize, 0),
        files: entries.map(entry => new URL(entry.name).pathname) }) });
}).observe({ type: 'mark', buffered: true });`;

let waiting = null;
const server = createServer((request, response) => {
    if (request.method === 'POST') {
        let body = '';
        request.on('data', chunk => { body += chunk; });
        request.on('end', () => { response.end(); waiting?.(JSON.parse(body)); });
        return;
    }
    const [, site, file] = request.url.match(/^\/(\w+)\/([^?]*)/) ?? [];
    try {
        let content = readFileSync(join(sites[site], file || 'index.html'));
        if (!file)
            content = content.toString().replace('</body>', `<script>${report}</script></body>`);
        response.writeHead(200, { 'Content-Type': types[extname(file || 'index.html')] ?? 'application/octet-stream' });
        response.end(content);
    } catch {
        response.writeHead(404);
        response.end();
    }
});
await new Promise(resolve => server.listen(0, '127.0.0.1', resolve));
const origin = `http://127.0.0.1:${server.address().port}`;

const visit = async name => {
    const browser = startChromium([`--app=${origin}/${name}/`,
        '--window-position=0,0', '--window-size=670,424']);
    const result = await new Promise((resolve, reject) => {
        waiting = resolve;
        setTimeout(() => reject(new Error(`${name}: no first frame in 60 s`)), 60000).unref();
    });
    await browser.stop();
    const gzip = result.files.reduce((sum, path) => {
        const file = join(sites[name], path.slice(`/${name}/`.length) || 'index.html');
        return sum + gzipSync(readFileSync(file), { level: 9 }).length;
    }, 0);
    return { ms: result.ms, bytes: result.bytes, gzip };
};

const median = values => {
    const sorted = [...values].sort((a, b) => a - b);
    const middle = sorted.length >> 1;
    return sorted.length % 2 ? sorted[middle] : (sorted[middle - 1] + sorted[middle]) / 2;
};
const spread = (values, digits) =>
    `${median(values).toFixed(digits)} (${Math.min(...values).toFixed(digits)}–${Math.max(...values).toFixed(digits)})`;

await visit('program'); // a warm-up for Chromium's own files, not counted
await visit('baseline');
const results = { program: [], baseline: [] };
for (let round = 0; round < rounds; ++round) {
    for (const name of round % 2 ? ['baseline', 'program'] : ['program', 'baseline'])
        results[name].push(await visit(name));
}
server.close();

console.log(`${rounds} rounds, Chromium on 127.0.0.1, a fresh profile each visit`);
for (const name of ['program', 'baseline']) {
    const r = results[name];
    console.log(`${name.padEnd(9)} first frame ${spread(r.map(x => x.ms), 0)} ms, ` +
        `transferred ${spread(r.map(x => x.bytes / 1048576), 2)} MB, ` +
        `gzip -9 ${(median(r.map(x => x.gzip)) / 1048576).toFixed(2)} MB`);
}
const ratios = results.program.map((x, i) => x.ms / results.baseline[i].ms);
console.log(`program / baseline, first frame: ${spread(ratios, 3)}`);
process.exit(0);
