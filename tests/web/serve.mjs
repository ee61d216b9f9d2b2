// SPDX-FileCopyrightText: 2026 The Towers project
// SPDX-License-Identifier: GPL-3.0-or-later
//
// A static web server for one folder, on 127.0.0.1, as a school's server would
// serve the page; the tests stop it to take the network away:
//   const server = await serve(FOLDER); ... server.url ...; await server.close();
import { readFile } from 'node:fs/promises';
import { createServer } from 'node:http';
import { extname, join, normalize } from 'node:path';

const types = {
    '.html': 'text/html; charset=utf-8', '.js': 'text/javascript', '.wasm': 'application/wasm',
    '.svg': 'image/svg+xml', '.png': 'image/png', '.webmanifest': 'application/manifest+json',
};

export function serve(folder, port = 0) {
    const server = createServer(async (request, response) => {
        const path = normalize(decodeURIComponent(new URL(request.url, 'http://host').pathname));
        const file = join(folder, path.endsWith('/') ? `${path}index.html` : path);
        try {
            const content = await readFile(file);
            response.writeHead(200, {
                'Content-Type': types[extname(file)] ?? 'application/octet-stream',
                'Cache-Control': 'no-cache',
            });
            response.end(content);
        } catch {
            response.writeHead(404);
            response.end();
        }
    });
    return new Promise(resolve => server.listen(port, '127.0.0.1', () => resolve({
        url: `http://127.0.0.1:${server.address().port}/`,
        port: server.address().port,
        close: () => new Promise(done => {
            server.closeAllConnections();
            server.close(done);
        }),
    })));
}
