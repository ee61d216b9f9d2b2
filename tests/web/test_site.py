#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The Towers project
# SPDX-License-Identifier: GPL-3.0-or-later
"""site.py on a small stand-in program: the page names every file by its
content, with the integrity hash the browser checks; the worker lists exactly
those; the compressed files are the files; the one-file page's policy allows
its own scripts; inputs that would break the page stop the build; and the
guide to web servers quotes their configurations as they are, with one
policy, and gives a learning platform's frame the window's size.
  test_site.py SITE_PY DESIGN_FACTS"""
import base64
import gzip
import hashlib
import html.parser
import json
import re
import subprocess
import sys
import tempfile
import unittest
from pathlib import Path

import brotli

SITE_PY = Path(sys.argv.pop(1)).resolve()
DESIGN_FACTS = sys.argv.pop(1)


def sri(content):
    return 'sha384-' + base64.b64encode(hashlib.sha384(content).digest()).decode()


class Site(unittest.TestCase):
    def setUp(self):
        self.folder = Path(tempfile.mkdtemp(prefix='towers-site-test-'))
        self.addCleanup(subprocess.run, ['rm', '-rf', str(self.folder)])

    def build(self, program='towers', script='var towers_entry = () => 0;\n', loader='function qtLoad() {}\n',
              title='Заглавие', summary='Резюме'):
        (self.folder / f'{program}.js').write_text(script)
        (self.folder / f'{program}.wasm').write_bytes(b'\0asm\1\0\0\0' + bytes(range(256)) * 64)
        (self.folder / 'qtloader.js').write_text(loader)
        return subprocess.run([sys.executable, SITE_PY, '--design-facts', DESIGN_FACTS, '--title', title,
                               '--name', 'Име', '--summary', summary, '--retire', self.folder / 'retire',
                               '--one-file', self.folder / 'one.html', self.folder / f'{program}.js',
                               self.folder / 'qtloader.js', self.folder / 'site'], capture_output=True, text=True)

    def test_every_file_named_by_its_content_and_checked(self):
        self.assertEqual(self.build().returncode, 0)
        site = self.folder / 'site'
        page = (site / 'index.html').read_text()
        hashed = sorted(path.name for path in site.iterdir() if re.search(r'\.[0-9a-f]{16}\.[a-z]+$', path.name))
        self.assertEqual(len(hashed), 8)
        for name in hashed:
            content = (site / name).read_bytes()
            self.assertIn(hashlib.sha256(content).hexdigest()[:16], name)
            if name.endswith(('.js', '.css')):
                self.assertIn(f'"{name}" integrity="{sri(content)}"', page)
            if name.endswith(('.js', '.css', '.wasm', '.svg')):
                self.assertEqual(brotli.decompress((site / f'{name}.br').read_bytes()), content)
                self.assertEqual(gzip.decompress((site / f'{name}.gz').read_bytes()), content)
        wasm = next(name for name in hashed if name.endswith('.wasm'))
        self.assertIn(f'data-wasm="{wasm}" data-wasm-integrity="{sri((site / wasm).read_bytes())}"', page)
        self.assertNotIn('?v=', page)
        self.assertIn('<title>Заглавие</title>', page)
        self.assertIn('"name": "Име"', (site / 'manifest.webmanifest').read_text())
        self.assertRegex((site / next(name for name in hashed if name.endswith('.css'))).read_text(),
                         r'#screen \{ width: \d+px; height: \d+px;')
        for path in site.glob('*'):
            if path.suffix in ('.html', '.css', '.webmanifest') or path.name == 'sw.js':
                self.assertNotRegex(path.read_text(), '@[A-Z]+[:@]', f'{path.name} has a reference left unfilled')

        worker = (site / 'sw.js').read_text()
        listed = dict(re.findall(r'"url": "([^"]+)",\s*"integrity": "([^"]+)"', worker))
        self.assertEqual(sorted(listed), sorted(hashed + ['manifest.webmanifest']))
        for name, integrity in listed.items():
            self.assertEqual(integrity, sri((site / name).read_bytes()))
        version = re.search(r'data-version="([0-9a-f]{16})"', page).group(1)
        self.assertIn(f"const version = '{version}';", worker)
        self.assertIn('`towers ${self.registration.scope} `', (self.folder / 'retire/sw.js').read_text())

    def test_the_version_follows_the_files(self):
        version = lambda: re.search(r'data-version="(\w+)"', (self.folder / 'site/index.html').read_text()).group(1)
        self.build()
        first = version()
        self.build()
        self.assertEqual(version(), first)
        self.build(script='var towers_entry = () => 1;\n')
        self.assertNotEqual(version(), first)
        self.assertEqual(len(list((self.folder / 'site').glob('towers.*.js'))), 1)

    def test_the_one_file_page_allows_exactly_its_own_scripts(self):
        self.build()
        page = (self.folder / 'one.html').read_text()
        scripts = re.findall(r'<script(?: [^>]*)?>(.*?)</script>', page, re.S)
        executable = [text for text in scripts if not text.startswith('H4sI')]  # not the gzipped program
        self.assertEqual(len(executable), 3)
        policy = re.search(r'http-equiv="Content-Security-Policy" content="([^"]+)"', page).group(1)
        for text in executable:
            self.assertIn("'sha256-" + base64.b64encode(hashlib.sha256(text.encode()).digest()).decode() + "'", policy)
        self.assertIn("connect-src 'none'", policy)
        self.assertNotRegex(page, r'<link rel="(manifest|stylesheet)|src="')

    def test_names_with_quotes_and_markup_stay_text(self):
        said = 'Кули "<b>" & \\ сега'
        self.assertEqual(self.build(title=said, summary=said).returncode, 0)
        manifest = json.loads((self.folder / 'site/manifest.webmanifest').read_text())
        self.assertEqual(manifest['description'], said)
        for page in ('site/index.html', 'one.html'):
            titles = []

            class Titles(html.parser.HTMLParser):
                def handle_starttag(self, tag, attrs):
                    self.inside = tag == 'title'

                def handle_data(self, data):
                    if getattr(self, 'inside', False):
                        titles.append(data)
                        self.inside = False
            Titles(convert_charrefs=True).feed((self.folder / page).read_text())
            self.assertEqual(titles, [said], page)

    def test_inputs_that_would_break_the_page_stop_the_build(self):
        for inputs, said in (({'program': 'my-towers'}, 'not a plain identifier'),
                             ({'loader': 'x = "</SCRIPT>";\n'}, '"</script"'),
                             ({'script': 'var towers_entry = 0; // <!-- here\n'}, '"<!--"')):
            with self.subTest(said):
                result = self.build(**inputs)
                self.assertNotEqual(result.returncode, 0)
                self.assertIn(said, result.stderr)


class ServerGuide(unittest.TestCase):
    def test_it_quotes_the_server_configurations_as_they_are(self):
        readme = (SITE_PY.parents[2] / 'docs/web-hosting.md').read_text()
        policies = []
        for name in ('nginx.conf', 'apache.conf'):
            configuration = (SITE_PY.parent / name).read_text()
            self.assertIn(configuration, readme, name)
            policies += re.findall(r'Content-Security-Policy "([^"]+)"', configuration)
        self.assertEqual(len(set(policies)), 1, 'the two servers send one policy')

    def test_it_gives_the_frame_the_window_s_size(self):
        guide = (SITE_PY.parents[2] / 'docs/web-hosting.md').read_text()
        width, height = (int(pixels) for pixels in subprocess.run(
            [DESIGN_FACTS, 'size'], check=True, capture_output=True, text=True).stdout.split()[:2])
        self.assertIn(f'{width} × {height} CSS pixels', guide)
        self.assertIn(f'width="{width}" height="{height}"', guide)


if __name__ == '__main__':
    unittest.main()
