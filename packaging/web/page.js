// SPDX-FileCopyrightText: 2026 The Towers project
// SPDX-License-Identifier: GPL-3.0-or-later
//
// Starts the program in the page: fits the window to the screen, fetches the
// WebAssembly, saying how much has come, and runs it only if every file is of
// the page's own version; should anything fail, it says what in Bulgarian
// instead of leaving a blank page. A file that fails is fetched once more past
// the browser's cache, which may hold a copy broken by an upload still under
// way, before anything is said: the next visit after the upload runs. Once the
// window is there, it registers the service worker that keeps the page for
// offline use (sw.js).
//
// It is the page's first script, so that the WebAssembly is asked for at once,
// while Qt's loader and the program's script still come; it starts the
// program once the document has run them both.
'use strict';

(({ program, wasm, wasmIntegrity, wasmSize }) => {
    const me = document.currentScript;
    const screen = document.getElementById('screen');
    const status = document.getElementById('status');
    document.getElementById('late')?.remove();
    // In a frame that denies the page its own origin (sandboxed without
    // allow-same-origin), every file of it comes from another origin, which
    // the server must allow.
    const framed = self.origin === 'null' && self !== top;

    const messages = {
        connection: 'Програмата не успя да се зареди. Проверете връзката и презаредете страницата.',
        // A file missing, cut short or of another version: the site is
        // being updated, or was uploaded only in part.
        mixed: 'Файловете на програмата на сървъра са непълни или от различни версии: '
            + 'сайтът вероятно се обновява. Презаредете страницата след минута.',
        refused: code => `Сървърът не пуска файловете на програмата (HTTP ${code}). `
            + 'Ако сайтът иска вход, влезте и презаредете страницата; иначе кажете на администратора му.',
        server: code => `Сървърът отговори с грешка (HTTP ${code}). Презаредете страницата след малко.`,
        framed: 'Страницата е вградена в рамка, която ѝ отнема собствения произход (sandbox без '
            + 'allow-same-origin), а сървърът не позволява файловете ѝ на друг произход '
            + '(Access-Control-Allow-Origin). Отворете страницата в отделен раздел или добавете '
            + 'allow-same-origin към рамката.',
        // Safari's engine, unlike the others, lets the policy's 'self' match
        // nothing in such a frame.
        framedPolicy: 'Този браузър не позволява на страницата да зареди файловете си в рамка, която ѝ '
            + 'отнема собствения произход (sandbox без allow-same-origin). Отворете страницата в отделен '
            + 'раздел или добавете allow-same-origin към рамката.',
        noWebAssembly: 'Този браузър не може да изпълнява програмата (няма WebAssembly). '
            + 'Отворете страницата в по-нов браузър.',
        oneFileTooOld: 'Този браузър е твърде стар, за да разпакова програмата от един файл. '
            + 'Отворете я в по-нов браузър или от адреса ѝ в училищния сайт.',
        policy: (what, directive) => 'Настройките за сигурност на сървъра (Content-Security-Policy) '
            + `не позволяват на програмата да работи: сървърът трябва да разреши ${what} в ${directive}.`,
    };
    // What went wrong with a file, by the message it gets.
    class Failure extends Error {
        constructor(kind, detail, status = 0) {
            super(detail);
            this.kind = kind;
            this.status = status;
        }

        get text() {
            const message = messages[this.kind];
            return typeof message === 'function' ? message(this.status) : message;
        }
    }

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
    const fail = error => {
        console.error(error);
        say(error instanceof Failure ? error.text : messages.connection, 'failure');
    };

    addEventListener('securitypolicyviolation', event => {
        const directive = event.effectiveDirective.replace(/-(elem|attr)$/, '');
        if (!/^(script|style|connect)-src$/.test(directive))
            return;
        if (framed) {
            say(messages.framedPolicy, 'refusal');
            return;
        }
        const what = {
            'wasm-eval': "'wasm-unsafe-eval'",
            eval: "'unsafe-eval'",
            // Qt's screen style, for browsers without constructed style sheets.
            inline: 'хеша на вградения стил на Qt (вижте docs/web-hosting.md)',
        }[event.blockedURI] ?? "'self'";
        say(messages.policy(what, directive), 'refusal');
    });

    if (typeof WebAssembly !== 'object') {
        say(messages.noWebAssembly, 'failure');
        return;
    }

    // A file of the page from the server, or from the browser's cache as
    // told; an answer other than the file thrown as the failure it is.
    const fetched = async (url, cache) => {
        let response;
        try {
            response = await fetch(url, { cache });
        } catch (error) {
            throw new Failure(framed ? 'framed' : 'connection', `${url}: ${error.message}`);
        }
        if (!response.ok) {
            const kind = { 401: 'refused', 403: 'refused', 404: 'mixed', 410: 'mixed' }[response.status] ?? 'server';
            throw new Failure(kind, `${url}: ${response.status}`, response.status);
        }
        return response;
    };
    // Once more past the browser's cache, should the first try have met a
    // file missing, cut short or of another version: a copy broken by an
    // upload under way may be what the cache holds.
    const twice = attempt => attempt('default').catch(error =>
        (error instanceof Failure && error.kind === 'mixed' ? attempt('reload') : Promise.reject(error)));

    // A style sheet or a script of the page that failed, fetched anew past
    // the cache, which then holds the file as the server has it, and put in
    // the page once more, checked by its integrity hash again. The page's
    // inline copies, in the one-file page, have nothing to fetch.
    const loadedAnew = async element => {
        const url = element?.href || element?.src;
        if (!url)
            throw new Failure('mixed', 'an inline part of the page did not run');
        await fetched(url, 'reload');
        const copy = document.createElement(element.localName);
        for (const { name, value } of element.attributes)
            copy.setAttribute(name, value);
        await new Promise((resolve, reject) => {
            copy.onload = resolve;
            copy.onerror = () => reject(new Failure('mixed', `${url} is not of this version`));
            element.replaceWith(copy);
        });
    };

    // The style sheet gives the window its place and size: without it, its
    // file failed.
    const styled = async () => {
        if (!screen.offsetHeight)
            await loadedAnew(document.querySelector('link[rel="stylesheet"]'));
    };

    const progress = received => say(`Програмата се зарежда… ${Math.min(99, Math.floor(100 * received / wasmSize))} %`);

    // The one-file page holds the program gzipped, as base64 text, unpacked
    // here: it has no server to fetch from. Browsers without
    // DecompressionStream (Safari before 16.4) cannot unpack it.
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
        if (!window.DecompressionStream)
            throw new Failure('oneFileTooOld', 'no DecompressionStream');
        // eslint-disable-next-line compat/compat -- asked for just above
        return new Response(new Blob([packed]).stream().pipeThrough(new DecompressionStream('gzip'))).arrayBuffer();
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
    const compile = async cache => {
        const response = await fetched(wasm, cache);
        const type = response.headers.get('Content-Type')?.split(';')[0].trim();
        const streaming = type === 'application/wasm' ? WebAssembly.compileStreaming(response.clone()) : null;
        streaming?.catch(() => {}); // awaited below, once the file is known to be right
        const bytes = await counted(response);
        if (crypto.subtle && await sha384(bytes) !== wasmIntegrity)
            throw new Failure('mixed', `${wasm} is not of this version`);
        return (streaming ?? WebAssembly.compile(bytes)).catch(error => {
            throw error instanceof WebAssembly.CompileError ? new Failure('mixed', error.message) : error;
        });
    };
    const embedded = document.getElementById(`${program}-wasm`);
    const module = embedded ? unpacked(embedded.textContent).then(bytes => WebAssembly.compile(bytes)) : twice(compile);
    module.catch(() => {}); // reported once the program starts

    // A screen smaller than the window, such as a phone's upright or on its
    // side, shows the whole window zoomed out to fit; a larger one shows it at
    // its own size, centred. The zoom is the browser's own, through the
    // viewport's initial scale: Qt draws at the pixels the zoom leaves, crisp,
    // and places a finger in the window's own coordinates. The screen's size
    // at 1× is what the page measures times the zoom it has; the zoom is
    // rounded down, so that the window never misses a pixel.
    const fitToScreen = () => {
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
    };

    // The two scripts after this one, each checked by its integrity hash:
    // one that is missing or of another version did not run.
    const scripted = async () => {
        const [loader, programScript] = [...document.scripts].filter(script => script !== me && !script.type);
        if (typeof qtLoad !== 'function')
            await loadedAnew(loader);
        if (typeof window[`${program}_entry`] !== 'function')
            await loadedAnew(programScript);
    };

    // The service worker keeps the page for the next visit. A page opened
    // from a file, from a server that is neither HTTPS nor this computer, or
    // in a frame that denies it its origin, has none.
    const keep = () => {
        try {
            navigator.serviceWorker?.register('sw.js').catch(error => console.error(error));
        } catch (error) {
            console.error(error);
        }
    };

    const start = async () => {
        try {
            await styled();
            fitToScreen();
            await scripted();
            await qtLoad({
                qt: {
                    entryFunction: window[`${program}_entry`],
                    containerElements: [screen],
                    module,
                    onLoaded: () => { status.hidden = true; },
                    onExit: exit => { if (exit.crashed) fail(new Error('the program crashed')); },
                },
            });
            // The program has shown its window, whose first frame Qt draws in
            // the coming animation frame, before this one: a mark for timing tools.
            requestAnimationFrame(() => performance.mark('window-drawn'));
            // Only then the service worker, which takes every file from the
            // browser's cache for its own, so as not to slow the first
            // visit's window down.
            if (!embedded)
                keep();
        } catch (error) {
            fail(error);
        }
    };
    if (document.readyState === 'loading')
        document.addEventListener('DOMContentLoaded', start);
    else
        start();
})(document.currentScript.dataset);
