#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The Towers project
# SPDX-License-Identifier: GPL-3.0-or-later
"""Reads Wine's registry file as the installer tests need it:

  registry.py REG_FILE keys PREFIX     the keys that start with PREFIX
  registry.py REG_FILE value KEY NAME  a string or number value of a key

Keys are written as in the file, with single backslashes. Wine writes a
character outside ASCII as \\x and its UTF-16 code in hexadecimal; the value
is printed decoded, in UTF-8.
"""
import re
import sys


def sections(path):
    key = None
    values = {}
    with open(path, encoding='utf-8', errors='replace') as lines:
        for line in lines:
            header = re.match(r'^\[(.*)\]', line)
            if header:
                if key is not None:
                    yield key, values
                key, values = header.group(1).replace('\\\\', '\\'), {}
                continue
            value = re.match(r'^"((?:[^"\\]|\\.)*)"=(.*)$', line.rstrip('\n'))
            if key is not None and value:
                values[decode(value.group(1))] = value.group(2)
    if key is not None:
        yield key, values


def decode(text):
    return re.sub(r'\\x([0-9a-fA-F]{1,4})|\\(.)',
                  lambda m: chr(int(m.group(1), 16)) if m.group(1) else m.group(2), text)


def main(path, what, *args):
    if what == 'keys':
        for key, _ in sections(path):
            if key.lower().startswith(args[0].lower()):
                print(key)
        return
    key, name = args
    for found, values in sections(path):
        if found.lower() == key.lower() and name in values:
            raw = values[name]
            if raw.startswith('dword:'):
                print(int(raw[6:], 16))
            elif raw.startswith('"'):
                print(decode(raw[1:-1]))
            return
    sys.exit(1)


if __name__ == '__main__':
    main(*sys.argv[1:])
