// SPDX-FileCopyrightText: 2026 The Towers project
// SPDX-License-Identifier: GPL-3.0-or-later
//
// Debian's Chromium for the web tests and the benchmark, with a fresh profile
// of its own (nothing cached) that goes with it, or the profile folder given,
// which stays, for a second visit:
//   const browser = startChromium([ARGUMENT...], { pipes, profile }); ... await browser.stop();
// With pipes, its descriptors 3 and 4 are pipes to this process, for the
// DevTools protocol (devtools.mjs). Run as a program, it starts Chromium so,
// with the arguments given, until Chromium ends or this is stopped:
//   chromium.mjs [ARGUMENT...]
// As root Chromium runs only without its sandbox; --test-type then keeps the
// warning about it off the page. Its temporary files go into the profile, and
// it leads a process group of its own, so that stopping it ends its helpers
// too and leaves nothing behind.
import { spawn } from 'node:child_process';
import { mkdtempSync, rmSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { pathToFileURL } from 'node:url';

export function startChromium(args, { pipes = false, profile: kept = null } = {}) {
    const profile = kept ?? mkdtempSync(join(tmpdir(), 'towers-chromium-'));
    const browser = spawn('chromium', ['--no-sandbox', '--test-type', `--user-data-dir=${profile}`,
        '--no-first-run', '--no-default-browser-check', '--password-store=basic', '--disable-gpu', ...args],
        {
            stdio: pipes ? ['ignore', 'ignore', 'ignore', 'pipe', 'pipe'] : 'ignore',
            env: { ...process.env, TMPDIR: profile },
            detached: true,
        });
    const ended = new Promise(resolve => browser.on('exit', resolve));
    const signal = name => {
        try {
            process.kill(-browser.pid, name);
        } catch {
            // none left
        }
    };
    // A test that ends early, failed, leaves no browser behind either.
    const end = () => signal('SIGKILL');
    process.on('exit', end);
    return {
        process: browser,
        stop: async () => {
            process.off('exit', end);
            signal('SIGTERM');
            await ended;
            signal('SIGKILL');
            if (!kept)
                rmSync(profile, { recursive: true, force: true, maxRetries: 10, retryDelay: 200 });
        },
    };
}

if (import.meta.url === pathToFileURL(process.argv[1]).href) {
    const browser = startChromium(process.argv.slice(2));
    const end = async () => {
        await browser.stop();
        process.exit(0);
    };
    process.on('SIGTERM', end);
    process.on('SIGINT', end);
    browser.process.on('exit', end);
}
