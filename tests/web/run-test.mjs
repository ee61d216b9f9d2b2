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
import { basename, dirname } from 'node:path';
import { windowSize } from './board.mjs';
import { startChromium } from './chromium.mjs';
import { serve, types } from './serve.mjs';

const [program, ...args] = process.argv.slice(2);
const folder = dirname(program);
const name = basename(program, '.js');
const timeLimit = Number(process.env.TOWERS_WEB_TEST_SECONDS ?? 600) * 1000;
const outputLimit = 4 * 1024 * 1024;

// The screen is the program's page's: Qt's web platform shows every window
// full screen, and there that is the window's own size.
const page = `<!DOCTYPE html>
<html lang="bg"><head><meta charset="utf-8"><title>${name}</title></head>
<body style="margin: 0"><div id="screen" style="width: ${windowSize.width}px; height: ${windowSize.height}px"></div>
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

// The page, and what it sends back; the program's files come from its folder.
const answer = (request, response) => {
    if (request.method !== 'POST') {
        if (request.url !== '/')
            return false;
        response.writeHead(200, { 'Content-Type': types['.html'] });
        response.end(page);
        return true;
    }
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
    return true;
};

const server = await serve(folder, { answer });
browser = startChromium(['--headless=new', server.url]);
browser.process.on('exit', code => {
    if (finishing)
        return;
    console.error(`${name}: Chromium ended (${code}) before the test did`);
    finish(1);
});

setTimeout(() => {
    console.error(`${name}: no exit status after ${timeLimit / 1000} s, stopped`);
    finish(1);
}, timeLimit).unref();
