// SPDX-FileCopyrightText: 2026 The Towers project
// SPDX-License-Identifier: GPL-3.0-or-later
//
// Starts the program in the page: fits the window to the screen, fetches the
// WebAssembly, saying how much has come, and, should anything fail, says so
// instead of leaving a blank page; once the window is there, the service
// worker that keeps the page for offline use (sw.js).
'use strict';

(async ({ program, version }) => {
    const screen = document.getElementById('screen');
    const status = document.getElementById('status');
    const say = text => { status.textContent = text; status.hidden = false; };
    const fail = () => say('Програмата не успя да се зареди. Проверете връзката и презаредете страницата.');

    if (typeof WebAssembly !== 'object') {
        say('Този браузър не може да изпълнява програмата (няма WebAssembly). '
            + 'Отворете страницата в по-нов браузър.');
        return;
    }
    // A screen smaller than the window, such as a phone's upright or on its
    // side, shows the whole window zoomed out to fit; a larger one shows it at
    // its own size, centred. The zoom is the browser's own, through the
    // viewport's initial scale: Qt draws at the pixels the zoom leaves, crisp,
    // and places a finger in the window's own coordinates. The screen's size
    // at 1× is what the page measures times the zoom it has; the zoom is
    // rounded down, so that the window never misses a pixel.
    const windowSize = { width: 670, height: 424 };
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

    const entry = window[`${program}_entry`];
    if (typeof qtLoad !== 'function' || typeof entry !== 'function') {
        fail();
        return;
    }

    // The one-file page holds the program as base64 text, decoded here rather
    // than fetched as a data: address, whose size some browsers limit.
    const embedded = document.getElementById(`${program}-wasm`);
    const decoded = text => {
        if (Uint8Array.fromBase64)
            return Uint8Array.fromBase64(text);
        const binary = atob(text);
        const bytes = new Uint8Array(binary.length);
        for (let i = 0; i < binary.length; i++)
            bytes[i] = binary.charCodeAt(i);
        return bytes;
    };
    // Otherwise the download, counted as it comes and compiled while it comes.
    const compile = async () => {
        if (embedded)
            return WebAssembly.compile(decoded(embedded.textContent));
        const response = await fetch(`${program}.wasm?v=${version}`);
        if (!response.ok)
            throw new Error(`${program}.wasm: ${response.status}`);
        const total = Number(response.headers.get('Content-Length'));
        let received = 0;
        const counted = response.body.pipeThrough(new TransformStream({
            transform(chunk, controller) {
                received += chunk.length;
                // A compressed transfer counts more bytes than its length says.
                if (total > 0)
                    say(`Програмата се зарежда… ${Math.min(99, Math.floor(100 * received / total))} %`);
                else
                    say(`Програмата се зарежда… ${(received / 1048576).toFixed(1)} MB`);
                controller.enqueue(chunk);
            },
        }));
        return WebAssembly.compileStreaming(
            new Response(counted, { headers: { 'Content-Type': 'application/wasm' } }));
    };

    try {
        await qtLoad({
            qt: {
                entryFunction: entry,
                containerElements: [screen],
                module: compile(),
                onLoaded: () => { status.hidden = true; },
                onExit: exit => { if (exit.crashed) fail(); },
            },
        });
        // The program has shown its window, whose first frame Qt draws in
        // the coming animation frame, before this one: a mark for timing tools.
        requestAnimationFrame(() => performance.mark('window-drawn'));
        // Only then the service worker, which fetches every file once more
        // for the cache, so as not to slow the first visit's window down. A
        // page opened from a file, or from a server that is neither HTTPS nor
        // this computer, has none.
        if ('serviceWorker' in navigator && !embedded)
            navigator.serviceWorker.register('sw.js').catch(error => console.error(error));
    } catch (error) {
        console.error(error);
        fail();
    }
})(document.currentScript.dataset);
