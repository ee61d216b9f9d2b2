// SPDX-FileCopyrightText: 2026 The Towers project
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The page's service worker: on the first visit it keeps every file of this
// version in a cache of its own, so that the program starts with the network
// gone and installs as an app.
//
// The page comes from the network whenever there is one, and every other file
// is asked for with its version in the address: a newer page brings its own
// files, from the server, and never runs beside an older file from the cache.
// A newer worker comes with a newer page; once it has kept all of its files
// it takes over at once and deletes the caches of every other version. Should
// it fail to get them all, the older worker and its cache stay.
'use strict';

// Named by the page's address as well, as other copies of the page, or other
// pages, may share the server.
const cachePrefix = `@PROGRAM@ ${self.registration.scope} `;
const cacheName = `${cachePrefix}@VERSION@`;
const files = @FILES@;

self.addEventListener('install', event => {
    event.waitUntil((async () => {
        const cache = await caches.open(cacheName);
        await cache.addAll(files);
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

self.addEventListener('fetch', event => {
    const request = event.request;
    if (request.method !== 'GET')
        return;
    const kept = async address => (await caches.open(cacheName)).match(address);
    if (request.mode === 'navigate') {
        event.respondWith(fetch(request).catch(async () =>
            (await kept(self.registration.scope)) ?? Response.error()));
        return;
    }
    event.respondWith((async () => (await kept(request)) ?? fetch(request))());
});
