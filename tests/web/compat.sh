#!/bin/sh
# SPDX-FileCopyrightText: 2026 The Towers project
# SPDX-License-Identifier: GPL-3.0-or-later
#
# The page's own scripts and Qt's loader against the oldest browsers a school
# still has (packaging/web/oldest-browsers.json), by eslint-plugin-compat at
# the versions compat/package-lock.json pins, installed from npm into WORK:
#   compat.sh WORK QTLOADER_JS
set -eu
work=$1
loader=$2
here=$(cd "$(dirname "$0")" && pwd)
web="$here/../../packaging/web"
mkdir -p "$work"
cp "$here/compat/package.json" "$here/compat/package-lock.json" "$here/compat/eslint.config.mjs" \
    "$web/oldest-browsers.json" "$work/"
(cd "$work" && npm ci --ignore-scripts --no-audit --no-fund --loglevel=error)
rm -rf "$work/files"
mkdir "$work/files"
cp "$web/page.js" "$web/sw-retire.js" "$loader" "$work/files/"
# The worker's list of files is filled in by site.py.
sed 's/@FILES@/[]/' "$web/sw.js" >"$work/files/sw.js"
cd "$work"
node_modules/.bin/eslint --max-warnings 0 files/
echo "ok: page.js, sw.js, sw-retire.js and qtloader.js use nothing the oldest browsers lack"
