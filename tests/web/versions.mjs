// SPDX-FileCopyrightText: 2026 The Towers project
// SPDX-License-Identifier: GPL-3.0-or-later
//
// Versions of the page for the tests of updates: a newer one as the next
// build would make it, and a site folder on a server, uploaded to file by file.
import { execFileSync } from 'node:child_process';
import { appendFileSync, chmodSync, copyFileSync, cpSync, mkdtempSync, readdirSync, readFileSync,
    rmSync, utimesSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { basename, join } from 'node:path';
import { fileURLToPath } from 'node:url';

const publisher = fileURLToPath(new URL('../../scripts/lib/publish-site.sh', import.meta.url));

export const temporary = name => {
    const folder = mkdtempSync(join(tmpdir(), `towers-${name}-`));
    chmodSync(folder, 0o755); // for a server's workers that run as www-data
    return folder;
};

// Version 2: the program's script and WebAssembly each a little different (a
// comment, an unused custom section named "newer"), gathered by site.py into
// a copy of the site, whose compressed files it takes where unchanged.
export function newerVersion(site, sitePy, designFacts, programJs, loader) {
    const inputs = temporary('inputs');
    const program = join(inputs, basename(programJs));
    copyFileSync(programJs, program);
    appendFileSync(program, '// a newer version\n');
    const wasm = program.replace(/\.js$/, '.wasm');
    copyFileSync(programJs.replace(/\.js$/, '.wasm'), wasm);
    appendFileSync(wasm, Buffer.from([0, 6, 5, ...Buffer.from('newer')]));
    const newer = temporary('newer');
    rmSync(newer, { recursive: true });
    cpSync(site, newer, { recursive: true });
    const { TOWERS_WINDOW_TITLE: title, TOWERS_DISPLAY_NAME: name, TOWERS_SUMMARY: summary } = process.env;
    execFileSync('python3', [sitePy, '--design-facts', designFacts, '--title', title, '--name', name,
        '--summary', summary, program, loader, newer], { stdio: 'inherit' });
    rmSync(inputs, { recursive: true });
    return newer;
}

export const versionOf = folder =>
    readFileSync(join(folder, 'index.html'), 'utf8').match(/data-version="([0-9a-f]+)"/)[1];

// The files a version's page names, by the kind of each: "wasm", "program"
// (the program's script) and so on.
export function namesOf(folder) {
    const page = readFileSync(join(folder, 'index.html'), 'utf8');
    return {
        wasm: page.match(/data-wasm="([^"]+)"/)[1],
        program: page.match(/src="(towers\.[0-9a-f]{16}\.js)"/)[1],
        all: [...page.matchAll(/(?:src|href|data-wasm)="([^"]+\.[0-9a-f]{16}\.[a-z]+)"/g)].map(match => match[1]),
    };
}

// Copies files of a version into the folder on the server, as an upload
// does; or, with no names, publishes the whole version as web.sh publish
// does it, in the order docs/web-hosting.md gives.
export function upload(from, to, names = null) {
    if (!names) {
        execFileSync(publisher, [from, to], { stdio: 'inherit' });
        return;
    }
    for (const name of names)
        copyFileSync(join(from, name), join(to, name));
}

// A site on the server whose files were put there a month ago, so that a
// browser's heuristic would let it keep them for days without asking.
export function putUpLongAgo(site, folder) {
    cpSync(site, folder, { recursive: true });
    const monthAgo = new Date(Date.now() - 30 * 24 * 3600 * 1000);
    for (const name of readdirSync(folder))
        utimesSync(join(folder, name), monthAgo, monthAgo);
}
