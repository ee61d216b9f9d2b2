// SPDX-FileCopyrightText: 2026 The Towers project
// SPDX-License-Identifier: GPL-3.0-or-later
//
// Headless Chromium driven through its DevTools protocol, for the tests that
// need what a person's hand or a phone does and xdotool cannot: a finger on
// the screen, a phone's viewport, a reload with the server gone. The protocol
// runs over the pipe Chromium offers its parent (--remote-debugging-pipe:
// commands go in on descriptor 3, answers and events come out on descriptor
// 4, each a JSON text ending in a NUL), so no port is opened and no package
// is needed:
//   const browser = await openBrowser([ARGUMENT...], { profile });
//   const page = await browser.newPage();
//   await page.go(url); ...; await browser.close();
import { startChromium } from './chromium.mjs';
import { decodePng } from './png.mjs';

export async function openBrowser(args = [], { profile } = {}) {
    const chromium = startChromium(['--headless=new', '--remote-debugging-pipe', ...args],
        { pipes: true, profile });
    const [, , , commands, answers] = chromium.process.stdio;
    let nextId = 1;
    const waiting = new Map();
    const listeners = new Set();
    let received = Buffer.alloc(0);
    answers.on('data', chunk => {
        received = Buffer.concat([received, chunk]);
        for (let end; (end = received.indexOf(0)) >= 0; received = received.subarray(end + 1)) {
            const message = JSON.parse(received.subarray(0, end).toString());
            const answer = waiting.get(message.id);
            if (answer) {
                waiting.delete(message.id);
                if (message.error)
                    answer.reject(new Error(`${answer.method}: ${message.error.message}`));
                else
                    answer.resolve(message.result);
            } else if (message.method) {
                for (const listener of listeners)
                    listener(message);
            }
        }
    });
    const send = (method, params = {}, sessionId = undefined) => new Promise((resolve, reject) => {
        const id = nextId++;
        waiting.set(id, { method, resolve, reject });
        commands.write(JSON.stringify({ id, method, params, sessionId }) + '\0');
    });
    // The next event of that name in that session, within a time limit.
    const event = (method, sessionId, seconds = 30) => new Promise((resolve, reject) => {
        const timer = setTimeout(() => {
            listeners.delete(listener);
            reject(new Error(`no ${method} in ${seconds} s`));
        }, seconds * 1000);
        const listener = message => {
            if (message.method === method && message.sessionId === sessionId) {
                clearTimeout(timer);
                listeners.delete(listener);
                resolve(message.params);
            }
        };
        listeners.add(listener);
    });

    // Every event of that name in that session, until the returned function is called.
    const every = (method, sessionId, handler) => {
        const listener = message => {
            if (message.method === method && message.sessionId === sessionId)
                handler(message.params);
        };
        listeners.add(listener);
        return () => listeners.delete(listener);
    };

    return {
        async newPage() {
            const { targetId } = await send('Target.createTarget', { url: 'about:blank' });
            const { sessionId } = await send('Target.attachToTarget', { targetId, flatten: true });
            const page = makePage((method, params) => send(method, params, sessionId),
                method => event(method, sessionId), () => send('Target.closeTarget', { targetId }),
                (method, handler) => every(method, sessionId, handler));
            await page.command('Page.enable');
            await page.command('Runtime.enable');
            return page;
        },
        close: () => chromium.stop(),
    };
}

function makePage(command, event, close, on) {
    const page = {
        command,
        close,
        on,
        // Opens the address and waits until the page has loaded.
        async go(url) {
            const loaded = event('Page.loadEventFired');
            const { errorText } = await command('Page.navigate', { url });
            if (errorText)
                throw new Error(`${url}: ${errorText}`);
            await loaded;
        },
        async reload() {
            const loaded = event('Page.loadEventFired');
            await command('Page.reload', { ignoreCache: false });
            await loaded;
        },
        // The value of a JavaScript expression in the page, awaited.
        async evaluate(expression) {
            const { result, exceptionDetails } = await command('Runtime.evaluate',
                { expression, awaitPromise: true, returnByValue: true });
            if (exceptionDetails)
                throw new Error(`${expression}: ${exceptionDetails.exception?.description ?? exceptionDetails.text}`);
            return result.value;
        },
        // Waits until the expression is true in the page.
        async waitFor(expression, seconds = 30) {
            for (const end = Date.now() + seconds * 1000; Date.now() < end;) {
                if (await page.evaluate(expression).catch(() => false))
                    return;
                await sleep(100);
            }
            throw new Error(`not true in ${seconds} s: ${expression}`);
        },
        // A phone's or a tablet's screen: its size in CSS pixels, its device
        // pixel ratio, and a touch screen instead of a mouse.
        async emulate({ width, height, ratio = 1, mobile = false }) {
            await command('Emulation.setDeviceMetricsOverride',
                { width, height, deviceScaleFactor: ratio, mobile });
            await command('Emulation.setTouchEmulationEnabled', { enabled: mobile, maxTouchPoints: 5 });
        },
        // A finger on the screen, put down at a place, moved in steps and
        // lifted, each place in CSS pixels of the screen, as the page is shown
        // on it. The protocol takes places in the page's own CSS pixels, which
        // the zoom of a phone's browser makes larger.
        async fingerDown(at) {
            const zoom = await page.evaluate('visualViewport.scale');
            let where = at;
            const touch = (type, point) => command('Input.dispatchTouchEvent', {
                type,
                touchPoints: point ? [{ x: point.x / zoom, y: point.y / zoom, id: 1 }] : [],
            });
            await touch('touchStart', where);
            return {
                async moveTo(to, steps = 10) {
                    const from = where;
                    for (let step = 1; step <= steps; step++) {
                        await sleep(20);
                        where = {
                            x: from.x + (to.x - from.x) * step / steps,
                            y: from.y + (to.y - from.y) * step / steps,
                        };
                        await touch('touchMove', where);
                    }
                    await sleep(50);
                },
                async lift() {
                    await touch('touchEnd');
                    await sleep(200);
                },
            };
        },
        async swipe(from, to) {
            const finger = await page.fingerDown(from);
            await finger.moveTo(to);
            await finger.lift();
        },
        async tap(at) {
            const finger = await page.fingerDown(at);
            await sleep(50);
            await finger.lift();
        },
        // The left mouse button pressed at one place, moved in steps and
        // released at another, in CSS pixels of the page.
        async mouseDrag(from, to, steps = 10) {
            const mouse = (type, { x, y }) => command('Input.dispatchMouseEvent',
                { type, x, y, button: 'left', buttons: type === 'mouseReleased' ? 0 : 1, clickCount: 1 });
            await mouse('mouseMoved', from);
            await mouse('mousePressed', from);
            for (let step = 1; step <= steps; step++) {
                await sleep(20);
                await mouse('mouseMoved', {
                    x: from.x + (to.x - from.x) * step / steps,
                    y: from.y + (to.y - from.y) * step / steps,
                });
            }
            await mouse('mouseReleased', to);
            await sleep(200);
        },
        // The colours at places of the page as it is shown now, each "r,g,b",
        // from a screenshot.
        async coloursAt(points) {
            const { data } = await command('Page.captureScreenshot', { format: 'png' });
            const ratio = await page.evaluate('devicePixelRatio');
            const image = decodePng(Buffer.from(data, 'base64'));
            return points.map(({ x, y }) => image.colourAt(Math.round(x * ratio), Math.round(y * ratio)));
        },
        async screenshot() {
            const { data } = await command('Page.captureScreenshot', { format: 'png' });
            return Buffer.from(data, 'base64');
        },
    };
    return page;
}

export const sleep = ms => new Promise(resolve => setTimeout(resolve, ms));
