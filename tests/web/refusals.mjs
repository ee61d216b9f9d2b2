#!/usr/bin/env node
// SPDX-FileCopyrightText: 2026 The Towers project
// SPDX-License-Identifier: GPL-3.0-or-later
//
// Servers and browsers that get the page wrong, in headless Chromium, each in
// a fresh profile: the page says in Bulgarian what is wrong and never starts
// half a program, or runs all the same where it can:
//   refusals.mjs SITE
import { readFileSync } from 'node:fs';
import { join } from 'node:path';
import { windowSize } from './board.mjs';
import { check, expectPlays, failures, limitTime, windowDrawn } from './check.mjs';
import { openBrowser } from './devtools.mjs';
import { serve } from './serve.mjs';
import { namesOf } from './versions.mjs';

const [site] = process.argv.slice(2);
limitTime(240);

const names = namesOf(site);
const pageScript = names.all.find(name => name.startsWith('page.') && name.endsWith('.js'));
let wrong = () => false;
const server = await serve(site, { answer: (request, response) => wrong(request.url.slice(1), response) });

// Opens the page in a browser of its own, the server getting it wrong as
// told, and returns what the page says once it has given up, or null if the
// window came.
async function opened(serverWrong, { beforeOpening = async () => {}, seconds = 30, browserArgs = [] } = {}) {
    wrong = serverWrong;
    const browser = await openBrowser(browserArgs);
    try {
        const page = await browser.newPage();
        await page.emulate(windowSize);
        await beforeOpening(page);
        await page.go(server.url);
        const loading = "document.getElementById('status').textContent.startsWith('Програмата се зарежда')";
        await page.waitFor(`${windowDrawn} || !${loading}`, seconds).catch(() => {});
        if (await page.evaluate(windowDrawn)) {
            await expectPlays(page, 'the window is there, and a disk moves');
            return null;
        }
        return await page.evaluate('document.body.innerText.trim()');
    } finally {
        await browser.close();
    }
}
const saying = (what, said, expected) => check(what, said?.includes(expected), `the page says: ${said}`);

// Sends a file of the site as the server is told, instead of as it is.
const send = (response, name, headers, content = readFileSync(join(site, name))) => {
    response.writeHead(200, headers);
    response.end(content);
    return true;
};
const html = { 'Content-Type': 'text/html; charset=utf-8' };
const missing = response => {
    response.writeHead(404);
    response.end();
    return true;
};
const refused = response => {
    response.writeHead(403, html);
    response.end('<!DOCTYPE html><title>Forbidden</title><p>Forbidden');
    return true;
};

saying('a security policy that forbids WebAssembly: the page names what the server must allow',
    await opened((name, response) => name === '' && send(response, 'index.html',
        { ...html, 'Content-Security-Policy': "default-src 'self'; script-src 'self'" })),
    "'wasm-unsafe-eval' в script-src");

check('the WebAssembly sent as text/plain: the program runs all the same',
    await opened((name, response) => name === names.wasm && send(response, name, { 'Content-Type': 'text/plain' }))
    === null);

saying('an error page in the place of the WebAssembly: the page says the site is being updated',
    await opened((name, response) => name === names.wasm
        && send(response, name, html, '<!DOCTYPE html><title>Not found</title><p>Not found')),
    'сайтът вероятно се обновява');

saying('the program\'s script missing: the page says the site is being updated',
    await opened((name, response) => name === names.program && missing(response)), 'сайтът вероятно се обновява');

// page.js starts everything: without it, only the page's style can speak,
// after a while, which the browser is told to let pass ten times as fast.
saying('page.js missing: after a while, the page says the site may be being updated',
    await opened((name, response) => name === pageScript && missing(response), {
        beforeOpening: async page => {
            await page.command('Animation.enable');
            await page.command('Animation.setPlaybackRate', { playbackRate: 10 });
        },
        seconds: 5,
    }),
    'сайтът вероятно се обновява');

saying('the WebAssembly refused (403), as behind a login: the page says the server refuses its files',
    await opened((name, response) => name === names.wasm && refused(response)), 'HTTP 403');

saying('the style sheet and page.js missing: the page says at once the site may be being updated',
    await opened((name, response) => /^page\.[0-9a-f]{16}\.(css|js)$/.test(name) && missing(response),
        { seconds: 3 }),
    'сайтът вероятно се обновява');

// Each file wrong the first time only, as a copy cut short that the browser
// kept: fetched once more, it runs.
const onceWrong = test => {
    const seen = new Set();
    return (name, response) => {
        if (!test(name) || seen.has(name))
            return false;
        seen.add(name);
        return send(response, name, { 'Content-Type': 'text/javascript' }, 'var cut = "short');
    };
};
check('the program\'s script and Qt\'s loader cut short at first: fetched again, the program runs',
    await opened(onceWrong(name => name === names.program || /^qtloader\./.test(name))) === null);

saying('a browser without WebAssembly: the page says so',
    await opened(() => false, {
        beforeOpening: page => page.command('Page.addScriptToEvaluateOnNewDocument',
            { source: 'delete globalThis.WebAssembly;' }),
    }), 'няма WebAssembly');

// The program draws with a canvas of its own, and needs no WebGL.
check('a browser with WebGL off: the program runs all the same',
    await opened(() => false, { browserArgs: ['--disable-3d-apis'] }) === null);

const withoutJavaScript = await opened(() => false,
    { browserArgs: ['--blink-settings=scriptEnabled=false'], seconds: 3 });
check('a browser with JavaScript off: the page says so, and nothing of loading',
    withoutJavaScript === 'Програмата има нужда от JavaScript, а той е изключен в този браузър.',
    `the page says: ${withoutJavaScript}`);

await server.close();
process.exit(failures() > 0 ? 1 : 0);
