// SPDX-FileCopyrightText: 2026 The Towers project
// SPDX-License-Identifier: GPL-3.0-or-later
//
// Checks for the browser tests, said as the end-to-end cases say them: each
// prints "ok:" or "FAIL:" with what it checks, and a test fails when any did.
import { colours, onScreen, places, windowSize } from './board.mjs';
import { sleep } from './devtools.mjs';

let failed = 0;

export function check(what, ok, detail = '') {
    console.log(ok ? `ok: ${what}` : `FAIL: ${what}${detail ? `\n  ${detail}` : ''}`);
    if (!ok)
        failed++;
    return ok;
}

export const failures = () => failed;

// Colours at places of the page, each { x, y, colour }: "r,g,b", or
// "not r,g,b" for anything else. A colour drawn at a zoom may come out a few
// steps off where the browser blends the window's pixels onto the screen's.
const near = (found, expected) => {
    const a = found.split(',').map(Number);
    return expected.split(',').map(Number).every((value, i) => Math.abs(value - a[i]) <= 4);
};

// With "any", one right colour is enough: for a thin line whose pixels the
// zoom may put a little above or below where it is expected. The page may
// take its time to draw on a busy machine: the colours are looked at again
// for a few seconds before they count as wrong.
export async function expectColours(page, what, points, which = 'all') {
    const enough = wrong => (which === 'any' ? wrong.length < points.length : wrong.length === 0);
    let wrong;
    for (const end = Date.now() + 5000; ;) {
        const found = await page.coloursAt(points);
        wrong = points.flatMap(({ x, y, colour }, i) => {
            const ok = colour.startsWith('not ') ? !near(found[i], colour.slice(4)) : near(found[i], colour);
            return ok ? [] : [`${found[i]} at (${x.toFixed(1)}, ${y.toFixed(1)}), expected ${colour}`];
        });
        if (enough(wrong) || Date.now() > end)
            break;
        await sleep(200);
    }
    return check(what, enough(wrong), wrong.join('\n  '));
}

// True in the page once the program's window is on it (page.js marks it).
export const windowDrawn = "performance.getEntriesByName('window-drawn').length > 0";

// The page runs whole, shown at the window's own size: the window is there,
// and a drag moves disk 0 to the right peg, as on any start.
export async function expectPlays(page, what) {
    try {
        await page.waitFor(windowDrawn, 60);
    } catch {
        const status = await page.evaluate('document.getElementById("status")?.textContent').catch(() => '');
        return check(what, false, `no window; the page says: ${status}`);
    }
    const at = place => onScreen(place, windowSize);
    await page.mouseDrag(at(places.disk(0)), at(places.peg(2)));
    return expectColours(page, what, [
        { ...at(places.disk(0, 2)), colour: colours.darkRed },
        { ...at(places.disk(0)), colour: colours.brown },
    ]);
}

// A visit as a pupil makes it, from another page: the address opened anew.
export async function visit(page, url) {
    await page.go('about:blank');
    await page.go(url).catch(error => console.log(`(${error.message})`));
}

// The page of a version whose files are not all there: no window, and the
// Bulgarian message that the site is being updated.
export async function refusesMix(page, what) {
    const drawn = await page.waitFor(windowDrawn, 10).then(() => true, () => false);
    const status = await page.evaluate('document.getElementById("status").textContent');
    return check(what, !drawn && status.includes('сайтът вероятно се обновява'),
        `window drawn: ${drawn}; the page says: ${status}`);
}

// What a page's security policy refused, each "directive blocked", from the
// moment the page is opened.
export const recordRefusals = page => page.command('Page.addScriptToEvaluateOnNewDocument', {
    source: `addEventListener('securitypolicyviolation', event =>
        (window.refusals ??= []).push(event.effectiveDirective + ' ' + event.blockedURI));`,
});
export const refusals = page => page.evaluate('window.refusals ?? []');

// Ends a test that takes longer than it ever should, as failed.
export function limitTime(seconds) {
    setTimeout(() => {
        console.error(`FAIL: not finished in ${seconds} s`);
        process.exit(1);
    }, seconds * 1000).unref();
}
