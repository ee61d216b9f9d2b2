// SPDX-FileCopyrightText: 2026 The Towers project
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The retiring worker, which takes the page out of the browsers that kept it:
// put in place of the page's sw.js on the server, it replaces the page's
// worker in each browser at its next visit to the page's folder, deletes the
// page's kept files and unregisters itself. It answers nothing: the browser
// then shows whatever the server has at the page's address.
'use strict';

const cachePrefix = `@PROGRAM@ ${self.registration.scope} `;

self.addEventListener('install', () => self.skipWaiting());

self.addEventListener('activate', event => {
    event.waitUntil((async () => {
        for (const name of await caches.keys()) {
            if (name.startsWith(cachePrefix))
                await caches.delete(name);
        }
        await self.registration.unregister();
    })());
});
