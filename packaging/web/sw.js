// SPDX-FileCopyrightText: 2026 The Towers project
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The page's service worker: on the first visit it keeps every file of this
// version in a cache of its own, so that the program starts with the network
// gone and installs as an app.
//
// It answers only the page's own addresses: the page, from the network
// whenever the server answers in time and well, else as kept; the files on
// its list, all named by their content, from the cache. Other pages in or
// below the page's folder are none of its business.
//
// A newer worker comes with a newer page. It takes its files from the
// browser's HTTP cache, where the page has just put them, each checked
// against its integrity hash and fetched once more past the cache should the
// copy there fail it; the page it asks the server for again, and keeps it
// only if it names this version. Once it has them all it takes over at once
// and deletes the caches of every other version. Should it fail to get them
// all, as while the site is being updated, its own cache goes, and the older
// worker and its cache stay.
'use strict';

const version = '@VERSION@';
// The files but the page, each with its integrity hash, as site.py lists them.
const files = @FILES@;
// How long a navigation waits for the server before the kept page answers.
const patience = 5000;

// Named by the page's address as well, as other copies of the page, or other
// pages, may share the server.
const cachePrefix = `@PROGRAM@ ${self.registration.scope} `;
const cacheName = `${cachePrefix}${version}`;
const page = self.registration.scope;
const pageAddresses = new Set([page, `${page}index.html`]);
const keptAddresses = new Set(files.map(({ url }) => new URL(url, page).href));

// A redirected response cannot answer a navigation: kept as if it came
// straight from its address.
const unredirected = response => (response.redirected
    ? new Response(response.body, { status: response.status, statusText: response.statusText, headers: response.headers })
    : response);

// A file as the server has it: from the HTTP cache, unless told otherwise,
// and once more past the cache when the copy there fails its hash or is no
// file at all.
const fetched = async ({ url, integrity }, cache) => {
    const attempt = async mode => {
        const response = await fetch(new Request(url, { cache: mode, integrity }));
        if (!response.ok)
            throw new Error(`${url}: ${response.status}`);
        return response;
    };
    return unredirected(cache === 'default' ? await attempt(cache).catch(() => attempt('reload')) : await attempt(cache));
};

self.addEventListener('install', event => {
    event.waitUntil((async () => {
        try {
            const [pageResponse, ...responses] = await Promise.all([
                fetched({ url: page }, 'no-cache'), ...files.map(file => fetched(file, 'default'))]);
            if (!(await pageResponse.clone().text()).includes(version))
                throw new Error(`the page on the server is not of version ${version}`);
            const cache = await caches.open(cacheName);
            await Promise.all([cache.put(page, pageResponse),
                ...files.map(({ url }, i) => cache.put(url, responses[i]))]);
        } catch (error) {
            await caches.delete(cacheName);
            throw error;
        }
        await self.skipWaiting();
    })());
});

self.addEventListener('activate', event => {
    event.waitUntil((async () => {
        for (const name of await caches.keys()) {
            if (name.startsWith(cachePrefix) && name !== cacheName)
                await caches.delete(name);
        }
        await self.clients.claim();
    })());
});

// The page from the server, asked anew past the HTTP cache, so that a server's
// long cache times never hold back a newer version; the kept page when the
// server cannot be reached, answers anything but the page (an error, a login,
// a folder being uploaded anew: 4xx or 5xx) or has not answered within
// patience. The way to take the page down is the retiring worker.
const navigation = async request => {
    const kept = caches.open(cacheName).then(cache => cache.match(page)).catch(() => undefined);
    const fromServer = fetch(new Request(request, { cache: 'no-cache' }));
    fromServer.catch(() => {}); // a late failure, once the kept page has answered, is nobody's
    const late = new Promise(resolve => setTimeout(resolve, patience, 'late'));
    try {
        const first = await Promise.race([fromServer, late]);
        if (first === 'late')
            return (await kept) ?? await fromServer;
        if (first.status >= 400)
            return (await kept) ?? first;
        return first;
    } catch {
        return (await kept) ?? Response.error();
    }
};

self.addEventListener('fetch', event => {
    const request = event.request;
    if (request.method !== 'GET')
        return;
    const url = new URL(request.url);
    if (request.mode === 'navigate') {
        if (pageAddresses.has(`${url.origin}${url.pathname}`))
            event.respondWith(navigation(request));
    } else if (keptAddresses.has(url.href)) {
        event.respondWith((async () =>
            (await (await caches.open(cacheName)).match(request)) ?? fetch(request))());
    }
});
