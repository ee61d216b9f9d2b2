// SPDX-FileCopyrightText: 2026 The Towers project
// SPDX-License-Identifier: GPL-3.0-or-later
//
// Starts the program in the page: fits the window to the screen, fetches the
// WebAssembly, saying how much has come, and runs it only if every file is of
// the page's own version; should anything fail, it says what in Bulgarian
// instead of leaving a blank page. Once the window is there, it registers the
// service worker that keeps the page for offline use (sw.js).
//
// It is the page's first script, so that the WebAssembly is asked for at once,
// while Qt's loader and the program's script still come; it starts the
// program once the document has run them both.
'use strict';

(({ program, wasm, wasmIntegrity, wasmSize }) => {
    const screen = document.getElementById('screen');
    const status = document.getElementById('status');
    document.getElementById('late')?.remove();

    const messages = {
        connection: 'Програмата не успя да се зареди. Проверете връзката и презаредете страницата.',
        // A file missing, cut short or of another version: the site is
        // being updated, or was uploaded only in part.
        mixed: 'Файловете на програмата на сървъра са непълни или от различни версии: '
            + 'сайтът вероятно се обновява. Презаредете страницата след минута.',
        noWebAssembly: 'Този браузър не може да изпълнява програмата (няма WebAssembly). '
            + 'Отворете страницата в по-нов браузър.',
        policy: (what, directive) => 'Настройките за сигурност на сървъра (Content-Security-Policy) '
            + `не позволяват на програмата да работи: сървърът трябва да разреши ${what} в ${directive}.`,
    };
    // The loading line gives way to a failure, which stays; a refusal by the
    // security policy says more than the failure it causes, which may be
    // reported before it, and stays above all.
    let staying = null;
    const say = (text, kind = 'progress') => {
        if (staying === 'refusal' || (staying && kind === 'progress'))
            return;
        if (kind !== 'progress')
            staying = kind;
        status.textContent = text;
        status.hidden = false;
    };
    const fail = text => say(text, 'failure');
    class Mixed extends Error {}

    addEventListener('securitypolicyviolation', event => {
        const directive = event.effectiveDirective.replace(/-(elem|attr)$/, '');
        if (!/^(script|style|connect)-src$/.test(directive))
            return;
        const what = { 'wasm-eval': "'wasm-unsafe-eval'", eval: "'unsafe-eval'" }[event.blockedURI] ?? "'self'";
        say(messages.policy(what, directive), 'refusal');
    });

    if (typeof WebAssembly !== 'object') {
        fail(messages.noWebAssembly);
        return;
    }

    // The style sheet gives the window its place and size: without it, a
    // file of the page is missing or of another version.
    if (!screen.offsetHeight) {
        fail(messages.mixed);
        return;
    }

    // A screen smaller than the window, such as a phone's upright or on its
    // side, shows the whole window zoomed out to fit; a larger one shows it at
    // its own size, centred. The zoom is the browser's own, through the
    // viewport's initial scale: Qt draws at the pixels the zoom leaves, crisp,
    // and places a finger in the window's own coordinates. The screen's size
    // at 1× is what the page measures times the zoom it has; the zoom is
    // rounded down, so that the window never misses a pixel.
    const windowSize = { width: screen.offsetWidth, height: screen.offsetHeight };
    const viewport = document.querySelector('meta[name="viewport"]');
    let zoom = 1;
    const fit = () => {
        const page = document.documentElement;
        const fitting = Math.floor(1000 * Math.min(1, page.clientWidth * zoom / windowSize.width,
            page.clientHeight * zoom / windowSize.height)) / 1000;
        if (Math.abs(fitting - zoom) >= 0.001) {
            zoom = fitting;
            viewport.content = `width=device-width, initial-scale=${zoom}`;
        }
    };
    fit();
    addEventListener('resize', fit);

    const progress = received => say(`Програмата се зарежда… ${Math.min(99, Math.floor(100 * received / wasmSize))} %`);

    // The one-file page holds the program gzipped, as base64 text, unpacked
    // here: it has no server to fetch from.
    const unpacked = async text => {
        let packed;
        if (Uint8Array.fromBase64) {
            packed = Uint8Array.fromBase64(text);
        } else {
            const binary = atob(text);
            packed = new Uint8Array(binary.length);
            for (let i = 0; i < binary.length; i++)
                packed[i] = binary.charCodeAt(i);
        }
        return new Response(new Blob([packed]).stream().pipeThrough(new DecompressionStream('gzip')))
            .arrayBuffer();
    };

    // The body read to its end, counted as it comes.
    const counted = async response => {
        const reader = response.body.getReader();
        const chunks = [];
        let received = 0;
        for (let chunk; !(chunk = await reader.read()).done;) {
            chunks.push(chunk.value);
            received += chunk.value.length;
            progress(received);
        }
        return new Blob(chunks).arrayBuffer();
    };
    const sha384 = async bytes => {
        const digest = new Uint8Array(await crypto.subtle.digest('SHA-384', bytes));
        return `sha384-${btoa(String.fromCharCode(...digest))}`;
    };

    // The program is compiled from the server's own response, whose address
    // the browser keeps the compiled code under for the next visit, while a
    // copy of it is counted. Where the browser offers Web Crypto (on HTTPS,
    // and on this computer) the copy is checked against the page's integrity
    // hash; elsewhere a file cut short, or an error page in its place, fails
    // to compile. A server that sends another type than application/wasm
    // costs only the compiling while it comes and the compiled code kept.
    const compile = async () => {
        const response = await fetch(wasm);
        if (!response.ok)
            throw response.status === 404 ? new Mixed(`${wasm}: 404`) : new Error(`${wasm}: ${response.status}`);
        const type = response.headers.get('Content-Type')?.split(';')[0].trim();
        const streaming = type === 'application/wasm' ? WebAssembly.compileStreaming(response.clone()) : null;
        streaming?.catch(() => {}); // awaited below, once the file is known to be right
        const bytes = await counted(response);
        if (crypto.subtle && await sha384(bytes) !== wasmIntegrity)
            throw new Mixed(`${wasm} is not of this version`);
        return (streaming ?? WebAssembly.compile(bytes)).catch(error => {
            throw error instanceof WebAssembly.CompileError ? new Mixed(error.message) : error;
        });
    };
    const embedded = document.getElementById(`${program}-wasm`);
    const module = embedded ? unpacked(embedded.textContent).then(bytes => WebAssembly.compile(bytes)) : compile();
    module.catch(() => {}); // reported once the program starts

    const start = async () => {
        // The two scripts after this one are checked by their integrity
        // hashes: one that is missing or of another version did not run.
        const entry = window[`${program}_entry`];
        if (typeof qtLoad !== 'function' || typeof entry !== 'function') {
            fail(messages.mixed);
            return;
        }
        try {
            await qtLoad({
                qt: {
                    entryFunction: entry,
                    containerElements: [screen],
                    module,
                    onLoaded: () => { status.hidden = true; },
                    onExit: exit => { if (exit.crashed) fail(messages.connection); },
                },
            });
            // The program has shown its window, whose first frame Qt draws in
            // the coming animation frame, before this one: a mark for timing tools.
            requestAnimationFrame(() => performance.mark('window-drawn'));
            // Only then the service worker, which fetches every file once more
            // for its cache, so as not to slow the first visit's window down.
            // A page opened from a file, or from a server that is neither HTTPS
            // nor this computer, has none.
            if ('serviceWorker' in navigator && !embedded)
                navigator.serviceWorker.register('sw.js').catch(error => console.error(error));
        } catch (error) {
            console.error(error);
            fail(error instanceof Mixed ? messages.mixed : messages.connection);
        }
    };
    if (document.readyState === 'loading')
        document.addEventListener('DOMContentLoaded', start);
    else
        start();
})(document.currentScript.dataset);
