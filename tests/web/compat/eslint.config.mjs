// SPDX-FileCopyrightText: 2026 The Towers project
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The page's own scripts and Qt's loader against the oldest browsers the page
// must run in (packaging/web/oldest-browsers.json, which the program's link
// takes too; Safari's on iPhones and iPads as on Macs): no syntax newer than
// they read, no interface they lack but where a script asks first whether it
// is there and says so.
import { readFileSync } from 'node:fs';
import compat from 'eslint-plugin-compat';

const oldest = JSON.parse(readFileSync(new URL('oldest-browsers.json', import.meta.url), 'utf8'));
const browsers = [...Object.entries(oldest), ['ios_saf', oldest.safari]].map(([name, version]) => `${name} >= ${version}`);

const browser = {
    window: 'readonly', self: 'readonly', top: 'readonly', document: 'readonly', navigator: 'readonly',
    location: 'readonly', performance: 'readonly', console: 'readonly', crypto: 'readonly', caches: 'readonly',
    fetch: 'readonly', Request: 'readonly', Response: 'readonly', Blob: 'readonly', URL: 'readonly',
    WebAssembly: 'readonly', DecompressionStream: 'readonly', Uint8Array: 'readonly', atob: 'readonly',
    btoa: 'readonly', setTimeout: 'readonly', clearTimeout: 'readonly', addEventListener: 'readonly',
    requestAnimationFrame: 'readonly', qtLoad: 'writable', TextDecoder: 'readonly', TextEncoder: 'readonly',
};

export default [
    {
        files: ['**/*.js'],
        plugins: { compat },
        languageOptions: { ecmaVersion: 2021, sourceType: 'script', globals: browser },
        settings: { browsers, polyfills: [] },
        rules: { 'compat/compat': 'error' },
    },
];
