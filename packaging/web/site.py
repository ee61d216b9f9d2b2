#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The Towers project
# SPDX-License-Identifier: GPL-3.0-or-later
"""Gathers a program's web page into a folder any static server can serve,
and makes the one-file version of it.

  site.py PROGRAM.js QTLOADER.js SITE_DIR [ONE_FILE]
      the program (PROGRAM.js and the PROGRAM.wasm beside it), Qt's loader
      and the page's own files from this folder, into SITE_DIR; with
      ONE_FILE, the whole page in that one HTML file besides
  site.py --version SITE_DIR PROGRAM
      only the version: the page, its manifest and its service worker made
      anew for the files now in SITE_DIR

The version is a hash of every file the page loads and of what the page, the
manifest and the worker are made from. The page asks for each file with the
version in its address, so that the service worker keeps every version apart
in the browser's cache: a page runs only the program files of its own
version, whichever the server or the cache holds.
"""
import base64
import hashlib
import json
import shutil
import sys
from pathlib import Path

HERE = Path(__file__).resolve().parent
ICONS = HERE.parent / 'icons'


def files_of(program):
    """The files the site copies, by name, with where each comes from (None:
    beside the program, or Qt's loader)."""
    return {
        'page.js': HERE / 'page.js',
        'qtloader.js': None,
        f'{program}.js': None,
        f'{program}.wasm': None,
        f'{program}.svg': HERE.parent / 'bg.informatika.towers.svg',
        'icon-192.png': ICONS / '192.png',
        'icon-512.png': ICONS / '512.png',
    }


# The files the site makes for each version, from templates in this folder.
MADE = ('index.html', 'manifest.webmanifest', 'sw.js')


def fill(template, program, version=''):
    return template.replace('@PROGRAM@', program).replace('@VERSION@', version)


def write_version(site, program):
    copied = sorted(files_of(program))
    digest = hashlib.sha256()
    for name in copied:
        digest.update(name.encode() + b'\0' + (site / name).read_bytes())
    for name in MADE:
        digest.update(name.encode() + b'\0' + (HERE / name).read_bytes())
    version = digest.hexdigest()[:16]
    # The worker's list: the page itself, by its folder's address, and every
    # other file by its address of this version.
    addresses = ['./'] + [f'{name}?v={version}' for name in sorted(copied + ['manifest.webmanifest'])]
    for name in MADE:
        made = fill((HERE / name).read_text(encoding='utf-8'), program, version)
        (site / name).write_text(made.replace('@FILES@', json.dumps(addresses)), encoding='utf-8')
    return version


def one_file(site, program):
    """The page with everything in it: the scripts inline, the icon and the
    WebAssembly as base64 text, the latter in a data block page.js reads
    instead of fetching the file. No manifest and no service worker: a page
    opened from a file has neither."""
    page = fill((HERE / 'index.html').read_text(encoding='utf-8'), program)
    lines = []
    for line in page.splitlines():
        if 'rel="manifest"' in line or 'rel="apple-touch-icon"' in line:
            continue
        if 'rel="icon"' in line:
            icon = base64.b64encode((site / f'{program}.svg').read_bytes()).decode()
            line = f'<link rel="icon" href="data:image/svg+xml;base64,{icon}">'
        elif line.startswith('<script src="'):
            name = line.split('"')[1].split('?')[0]
            attributes = line[line.index('"', len('<script src="')) + 1:line.index('>')]
            if name == 'page.js':
                wasm = base64.b64encode((site / f'{program}.wasm').read_bytes()).decode()
                lines.append(f'<script type="application/wasm;base64" id="{program}-wasm">{wasm}</script>')
            script = (site / name).read_text(encoding='utf-8')
            if '</script' in script:
                sys.exit(f'{name} holds "</script", which would end its inline script early')
            line = f'<script{attributes}>{script}</script>'
        lines.append(line)
    return '\n'.join(lines) + '\n'


def main(args):
    if args[0] == '--version':
        write_version(Path(args[1]), args[2])
        return
    program_js, loader, site = Path(args[0]), Path(args[1]), Path(args[2])
    program = program_js.stem
    beside = {f'{program}.js': program_js, f'{program}.wasm': program_js.with_suffix('.wasm'),
              'qtloader.js': loader}
    site.mkdir(parents=True, exist_ok=True)
    for name, source in files_of(program).items():
        shutil.copyfile(source or beside[name], site / name)
    write_version(site, program)
    if len(args) > 3:
        Path(args[3]).write_text(one_file(site, program), encoding='utf-8')


if __name__ == '__main__':
    main(sys.argv[1:])
