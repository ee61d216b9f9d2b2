#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 The Towers project
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Every relative link in the project's Markdown files leads somewhere: to a
# file or folder of the tree, and, with a #part, to a heading of that file.
#   docs-links.py PROJECT_DIR
import re
import sys
from pathlib import Path

project = Path(sys.argv[1])
LINK = re.compile(r'\[[^\]]*\]\(([^)\s]+)\)')


def anchors(markdown):
    # As GitHub names a heading: lower case, spaces to dashes, punctuation dropped.
    return {re.sub(r'[^\w\- ]', '', line.lstrip('#').strip().lower()).replace(' ', '-')
            for line in markdown.splitlines() if line.startswith('#')}


broken = []
files = [project / 'README.md', *sorted((project / 'docs').rglob('*.md'))]
for source in files:
    text = source.read_text(encoding='utf-8')
    for target in LINK.findall(text):
        if re.match(r'[a-z]+:', target):
            continue  # an address on the web, or mailto:
        path, _, part = target.partition('#')
        resolved = (source.parent / path).resolve() if path else source
        if not resolved.exists():
            broken.append(f'{source.relative_to(project)}: {target} (no such file)')
        elif part and resolved.suffix == '.md' and part not in anchors(resolved.read_text(encoding='utf-8')):
            broken.append(f'{source.relative_to(project)}: {target} (no such heading)')
print(f'{len(files)} files read')
for link in broken:
    print(f'broken: {link}')
sys.exit(1 if broken else 0)
