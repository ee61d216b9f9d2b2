#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The Towers project
# SPDX-License-Identifier: GPL-3.0-or-later
"""Gathers a program's web page into a folder any static server can serve,
the worker that takes the page out of browsers again, and the one-file page.

  site.py --design-facts DESIGNFACTS --title T --name N --summary S
          [--one-file FILE] [--retire DIR] PROGRAM.js QTLOADER.js SITE_DIR

SITE_DIR is made anew, with the program (PROGRAM.js and the PROGRAM.wasm
beside it), Qt's loader and the page's own files from this folder:
  index.html, sw.js, manifest.webmanifest
      the page, its service worker and its manifest, the only names that
      stay from one version to the next;
  page.HASH.js, page.HASH.css, qtloader.HASH.js, PROGRAM.HASH.js,
  PROGRAM.HASH.wasm, icon.HASH.svg, icon-192.HASH.png, icon-512.HASH.png
      every file the page loads, named by a hash of its content, so that one
      address is only ever one content, and two versions may stand side by
      side; beside each that compresses, FILE.br (brotli) and FILE.gz (gzip),
      for servers that send a file compressed as it lies.
The page names each of those files with its integrity hash, and so does the
worker's list: a browser runs the files of one version, or none.

The window's size comes from its design (the program DESIGNFACTS prints it),
the page's title (the window's), the product's name and its summary from the
build, which has them from CMakeLists.txt.

With --retire, DIR/sw.js is the worker that takes the page out of the
browsers that kept it, put in place of the page's sw.js. With --one-file,
FILE is the whole page in one HTML file, to open from a disk.
"""
import argparse
import base64
import hashlib
import html
import json
import re
import shutil
import subprocess
import sys
from pathlib import Path

import brotli

HERE = Path(__file__).resolve().parent
ICONS = HERE.parent / 'icons'

# What the templates are filled with beside the files, by the references
# @WIDTH@ and @HEIGHT@ (the window's, in CSS pixels), @FORM_COLOUR@ (its
# background, which the page and its frame take), @TITLE@, @NAME@ and
# @SUMMARY@; set by main() from the build.
FACTS = {}

# The files made for each version, from templates in this folder.
MADE = ('index.html', 'sw.js', 'manifest.webmanifest')
# The server may send these compressed as they lie; images of PNG are already.
COMPRESSIBLE = ('.js', '.css', '.wasm', '.svg')
REFERENCE = re.compile(r'@(FILE|SRI|SIZE):([^@]+)@')


def fail(message):
    sys.exit(f'site.py: {message}')


def sources(program, program_js, loader):
    """The files the page loads, by their names before hashing."""
    return {
        'page.js': HERE / 'page.js',
        'page.css': HERE / 'page.css',
        'qtloader.js': loader,
        f'{program}.js': program_js,
        f'{program}.wasm': program_js.with_suffix('.wasm'),
        'icon.svg': HERE.parent / 'icon.svg',
        'icon-192.png': ICONS / '192.png',
        'icon-512.png': ICONS / '512.png',
    }


def integrity(content):
    """The hash a browser checks a file against (Subresource Integrity)."""
    return 'sha384-' + base64.b64encode(hashlib.sha384(content).digest()).decode()


class File:
    """A file of the page under its hashed name, with its integrity hash."""

    def __init__(self, name, content):
        stem, suffix = name.rsplit('.', 1)
        self.content = content
        self.name = f'{stem}.{hashlib.sha256(content).hexdigest()[:16]}.{suffix}'
        self.integrity = integrity(content)


def fill(template, program, files, version='', escape=str):
    """A template with its references filled in: @PROGRAM@, @VERSION@, the
    FACTS, each as escape makes it fit the template's language, and
    @FILE:name@, @SRI:name@, @SIZE:name@ of a file."""
    text = template.replace('@PROGRAM@', program).replace('@VERSION@', version)
    for key, value in FACTS.items():
        text = text.replace(f'@{key}@', escape(str(value)))

    def resolve(match):
        kind, name = match.groups()
        if name not in files:
            fail(f'a template names {name}, which is not a file of the page')
        file = files[name]
        return {'FILE': file.name, 'SRI': file.integrity, 'SIZE': str(len(file.content))}[kind]
    return REFERENCE.sub(resolve, text)


def in_json(text):
    """A text as the inside of a JSON string: the manifest's name and summary."""
    return json.dumps(text, ensure_ascii=False)[1:-1]


def zopfli(path):
    """gzip's format at its smallest, some 4 % below gzip -9, which the one-file
    page needs to stay small enough for mail; more iterations than 5 gain
    nothing worth their time."""
    return subprocess.run(['zopfli', '--i5', '-c', path], check=True, capture_output=True).stdout


def write_compressed(file, site, earlier):
    """FILE.br and FILE.gz beside a compressible file; taken from the earlier
    site where it had the same name, so the same content, as compressing the
    WebAssembly at the best takes half a minute."""
    if not file.name.endswith(COMPRESSIBLE):
        return
    for suffix, compress in (('.br', lambda: brotli.compress(file.content, quality=11)),
                             ('.gz', lambda: zopfli(site / file.name))):
        target = site / (file.name + suffix)
        if earlier and (earlier / target.name).is_file():
            shutil.copyfile(earlier / target.name, target)
        else:
            target.write_bytes(compress())


def build_site(program, program_js, loader, site):
    files = {}
    for name, path in sources(program, program_js, loader).items():
        content = path.read_bytes()
        # The style sheet holds the window's size.
        if name == 'page.css':
            content = fill(content.decode(), program, files).encode()
        files[name] = File(name, content)
    templates = {name: (HERE / name).read_text(encoding='utf-8') for name in MADE}
    digest = hashlib.sha256()
    for text in sorted(file.name for file in files.values()) + [templates[name] for name in MADE]:
        digest.update(text.encode() + b'\0')
    version = digest.hexdigest()[:16]

    # The folder is made beside the earlier one and takes its place whole.
    new = site.with_name(site.name + '.new')
    shutil.rmtree(new, ignore_errors=True)
    new.mkdir(parents=True)
    earlier = site if site.is_dir() else None
    for file in files.values():
        (new / file.name).write_bytes(file.content)
        write_compressed(file, new, earlier)
    # The worker's list: the manifest and every file the page loads, each
    # with its integrity hash; the page itself it checks by the version it names.
    manifest = fill(templates['manifest.webmanifest'], program, files, escape=in_json).encode()
    listed = sorted([('manifest.webmanifest', integrity(manifest))]
                    + [(file.name, file.integrity) for file in files.values()])
    worker_files = json.dumps([{'url': url, 'integrity': sri} for url, sri in listed], indent=4)
    (new / 'manifest.webmanifest').write_bytes(manifest)
    (new / 'index.html').write_text(fill(templates['index.html'], program, files, version, escape=html.escape),
                                    encoding='utf-8')
    (new / 'sw.js').write_text(fill(templates['sw.js'], program, files, version).replace('@FILES@', worker_files),
                               encoding='utf-8')
    if site.exists():
        shutil.rmtree(site)
    new.rename(site)
    return files


def inline(text, name, tag):
    """A file's text as the content of an inline element, which may not hold
    what would end the element early or hide its end from the HTML parser."""
    if re.search(rf'</{tag}|<!--', text, re.IGNORECASE):
        fail(f'{name} holds "</{tag}" or "<!--", which would break its inline <{tag}> in the one-file page')
    return text


def servers_style_hashes():
    """The inline style the servers' security policy allows beside the page's
    own files: Qt's screen style, which browsers without constructed style
    sheets get as a <style> element. From the nginx configuration, whose
    policy Apache's repeats."""
    policy = re.search(r'Content-Security-Policy "([^"]+)"', (HERE / 'nginx.conf').read_text()).group(1)
    return re.findall(r"'sha256-[^']+'", re.search(r'style-src ([^;]+)', policy).group(1))


def csp_hash(text):
    return "'sha256-" + base64.b64encode(hashlib.sha256(text.encode()).digest()).decode() + "'"


def one_file(site, files, program):
    """The page with everything in it: the style and the scripts inline, the
    icon as a data: address, and the WebAssembly gzipped (its .gz), as base64 text in a
    data block page.js unpacks. No manifest and no service worker: a page
    opened from a file has neither. Its own security policy allows exactly
    its inline style and scripts, Qt's screen style as the servers' policy
    allows it, and no connection anywhere."""
    page = (site / 'index.html').read_text(encoding='utf-8')
    by_name = {file.name: (name, file) for name, file in files.items()}
    styles, scripts = [], []

    def style(match):
        name, file = by_name[match.group(1)]
        styles.append(inline(file.content.decode(), name, 'style'))
        return f'<style>{styles[-1]}</style>'

    def script(match):
        name, file = by_name[match.group(1)]
        scripts.append(inline(file.content.decode(), name, 'script'))
        tag = f'<script{match.group(2)}>{scripts[-1]}</script>'
        if name == 'page.js':
            wasm = (site / (files[f'{program}.wasm'].name + '.gz')).read_bytes()
            tag = (f'<script type="application/gzip;base64" id="{program}-wasm">'
                   f'{base64.b64encode(wasm).decode()}</script>\n{tag}')
        return tag

    page = re.sub(r'<link rel="(manifest|apple-touch-icon)"[^>]*>\n', '', page)
    page = re.sub(r'<link rel="icon" href="([^"]+)" type="([^"]+)">', lambda match:
                  f'<link rel="icon" href="data:{match.group(2)};base64,'
                  f'{base64.b64encode(by_name[match.group(1)][1].content).decode()}">', page)
    page = re.sub(r'<link rel="stylesheet" href="([^"]+)" integrity="[^"]+" crossorigin="anonymous">', style, page)
    page = re.sub(r'<script src="([^"]+)" integrity="[^"]+" crossorigin="anonymous"([^>]*)></script>', script, page,
                  flags=re.S)
    style_sources = ' '.join([*map(csp_hash, styles), *servers_style_hashes()])
    policy = (f"default-src 'none'; script-src {' '.join(map(csp_hash, scripts))} 'wasm-unsafe-eval'; "
              f"style-src {style_sources}; img-src data:; connect-src 'none'; "
              "object-src 'none'; base-uri 'none'; form-action 'none'")
    return page.replace('<meta charset="utf-8">\n', '<meta charset="utf-8">\n'
                        f'<meta http-equiv="Content-Security-Policy" content="{policy}">\n', 1)


def main():
    parser = argparse.ArgumentParser(description=__doc__.split('\n\n')[0])
    parser.add_argument('--design-facts', required=True)
    parser.add_argument('--title', required=True)
    parser.add_argument('--name', required=True)
    parser.add_argument('--summary', required=True)
    parser.add_argument('--one-file', type=Path)
    parser.add_argument('--retire', type=Path)
    parser.add_argument('program_js', type=Path)
    parser.add_argument('loader', type=Path)
    parser.add_argument('site', type=Path)
    args = parser.parse_args()
    program = args.program_js.name.removesuffix('.js')
    # The name becomes a JavaScript name (PROGRAM_entry) and part of addresses.
    if not re.fullmatch(r'[A-Za-z_][A-Za-z0-9_]*', program):
        fail(f'the program\'s name "{program}" is not a plain identifier (letters, digits, _)')

    # The window's size in CSS pixels and its colour, from its design.
    width, height, colour = subprocess.run([args.design_facts, 'size'], check=True, capture_output=True,
                                           text=True).stdout.split()
    FACTS.update(WIDTH=int(width), HEIGHT=int(height), FORM_COLOUR=colour, TITLE=args.title, NAME=args.name,
                 SUMMARY=args.summary)

    files = build_site(program, args.program_js, args.loader, args.site)
    if args.retire:
        args.retire.mkdir(parents=True, exist_ok=True)
        (args.retire / 'sw.js').write_text(fill((HERE / 'sw-retire.js').read_text(encoding='utf-8'), program, files),
                                           encoding='utf-8')
    if args.one_file:
        args.one_file.write_text(one_file(args.site, files, program), encoding='utf-8')


if __name__ == '__main__':
    main()
