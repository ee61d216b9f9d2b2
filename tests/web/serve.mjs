// SPDX-FileCopyrightText: 2026 The Towers project
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The static web server of the tests, for one folder, on 127.0.0.1, as a
// school's server would serve the page; the tests stop it to take the
// network away, and change what it sends to play the servers a page meets:
//   const server = await serve(FOLDER, { port, headers, answer });
//   ... server.url ...; server.folder = OTHER_FOLDER; ...; await server.close();
// Run as a program, it serves the folder until stopped, having printed its
// address first:
//   serve.mjs FOLDER
// Every file goes out with its Last-Modified time, and a request that already
// has it gets 304, as from any static server; headers are the ones sent
// besides (by default Cache-Control: no-cache). answer(request, response),
// when it returns true, has answered the request itself.
import { readFile, stat } from 'node:fs/promises';
import { createServer } from 'node:http';
import { extname, join, normalize } from 'node:path';
import { pathToFileURL } from 'node:url';

export const types = {
    '.html': 'text/html; charset=utf-8', '.js': 'text/javascript', '.wasm': 'application/wasm',
    '.css': 'text/css', '.svg': 'image/svg+xml', '.png': 'image/png',
    '.webmanifest': 'application/manifest+json',
};

export function serve(folder, { port = 0, headers = { 'Cache-Control': 'no-cache' }, answer = () => false } = {}) {
    const served = { folder };
    const server = createServer(async (request, response) => {
        if (answer(request, response))
            return;
        const path = normalize(decodeURIComponent(new URL(request.url, 'http://host').pathname));
        const file = join(served.folder, path.endsWith('/') ? `${path}index.html` : path);
        try {
            const [content, { mtime }] = await Promise.all([readFile(file), stat(file)]);
            const modified = new Date(Math.floor(mtime.getTime() / 1000) * 1000);
            const since = Date.parse(request.headers['if-modified-since'] ?? '');
            if (since >= modified.getTime()) {
                response.writeHead(304, headers);
                response.end();
                return;
            }
            response.writeHead(200, {
                'Content-Type': types[extname(file)] ?? 'application/octet-stream',
                'Last-Modified': modified.toUTCString(),
                ...headers,
            });
            response.end(content);
        } catch {
            response.writeHead(404);
            response.end();
        }
    });
    return new Promise(resolve => server.listen(port, '127.0.0.1', () => resolve(Object.assign(served, {
        url: `http://127.0.0.1:${server.address().port}/`,
        port: server.address().port,
        close: () => new Promise(done => {
            server.closeAllConnections();
            server.close(done);
        }),
    }))));
}

if (import.meta.url === pathToFileURL(process.argv[1]).href) {
    const server = await serve(process.argv[2]);
    console.log(server.url);
    process.on('SIGTERM', async () => {
        await server.close();
        process.exit(0);
    });
}
