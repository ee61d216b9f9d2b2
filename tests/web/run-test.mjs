#!/usr/bin/env node
// SPDX-FileCopyrightText: 2026 The Towers project
// SPDX-License-Identifier: GPL-3.0-or-later
//
// Runs one test program built for the web, as ctest's emulator:
//   run-test.mjs PROGRAM.js [ARGUMENT...]
// Qt's web platform needs a page, so the program runs in headless Chromium,
// in a page served from 127.0.0.1 that starts it with the arguments and sends
// back what it prints and its exit status; this passes both on. A run that
// takes too long or prints too much is stopped and fails.
//
// The page's output comes line by line, in order: Qt Test's totals are its
// last line, and the exit status, where the program reports one, comes after.
import { readFileSync } from 'node:fs';
import { createServer } from 'node:http';
import { basename, dirname, extname, join } from 'node:path';
import { startChromium } from './chromium.mjs';

const [program, ...args] = process.argv.slice(2);
const folder = dirname(program);
const name = basename(program, '.js');
const timeLimit = Number(process.env.TOWERS_WEB_TEST_SECONDS ?? 600) * 1000;
const outputLimit = 4 * 1024 * 1024;

// The screen is the program's page's: Qt's web platform shows every window
// full screen, and there that is the window's own size.
const page = `<!DOCTYPE html>
<html lang="bg"><head><meta charset="utf-8"><title>${name}</title></head>
<body style="margin: 0"><div id="screen" style="width: 670px; height: 424px"></div>
<script src="qtloader.js"></script><script src="${name}.js"></script>
<script>
let sent = Promise.resolve();
const send = (what, text) => {
    sent = sent.then(() => fetch(what, { method: 'POST', body: text }));
};
qtLoad({
    arguments: ${JSON.stringify(args)},
    print: text => send('out', text),
    printErr: text => send('out', text),
    qt: {
        entryFunction: ${name}_entry,
        containerElements: [document.getElementById('screen')],
        onExit: exit => send('exit', exit.crashed ? 'crashed: ' + exit.text : String(exit.code)),
    },
}).catch(error => send('exit', 'crashed: ' + error));
</script></body></html>`;

const types = { '.js': 'text/javascript', '.wasm': 'application/wasm', '.html': 'text/html' };
let printed = 0;
let browser;

let finishing = false;
const finish = async status => {
    if (finishing)
        return;
    finishing = true;
    try {
        await browser?.stop();
    } catch (error) {
        console.error(`${name}: ${error.message}`);
    }
    process.exit(status);
};

const server = createServer((request, response) => {
    if (request.method === 'POST') {
        let body = '';
        request.on('data', chunk => { body += chunk; });
        request.on('end', () => {
            response.end();
            if (request.url === '/out') {
                printed += body.length;
                process.stdout.write(body + '\n');
                // Qt's web platform keeps the program alive after main()
                // returns, so a test with a window never reports its exit:
                // Qt Test's last line says how it ended.
                const totals = body.match(/^Totals: \d+ passed, (\d+) failed/);
                if (totals)
                    finish(Number(totals[1]) > 0 ? 1 : 0);
                if (printed > outputLimit) {
                    console.error(`${name}: more than ${outputLimit} bytes of output, stopped`);
                    finish(1);
                }
            } else if (request.url === '/exit') {
                if (!/^\d+$/.test(body))
                    console.error(`${name}: ${body}`);
                finish(/^\d+$/.test(body) ? Number(body) : 1);
            }
        });
        return;
    }
    const file = request.url === '/' ? null : basename(request.url);
    try {
        const content = file ? readFileSync(join(folder, file)) : page;
        const type = file ? types[extname(file)] ?? 'application/octet-stream' : types['.html'];
        response.writeHead(200, { 'Content-Type': type });
        response.end(content);
    } catch {
        response.writeHead(404);
        response.end();
    }
});

server.listen(0, '127.0.0.1', () => {
    const url = `http://127.0.0.1:${server.address().port}/`;
    browser = startChromium(['--headless=new', url]);
    browser.process.on('exit', code => {
        if (finishing)
            return;
        console.error(`${name}: Chromium ended (${code}) before the test did`);
        finish(1);
    });
});

setTimeout(() => {
    console.error(`${name}: no exit status after ${timeLimit / 1000} s, stopped`);
    finish(1);
}, timeLimit).unref();
