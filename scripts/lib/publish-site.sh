#!/bin/sh
# SPDX-FileCopyrightText: 2026 The Towers project
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Puts a built page into a web server's folder so that the folder serves a
# whole version at every moment (web.sh publish):
#   publish-site.sh SITE DIR
# Each file is copied beside its place and renamed into it, so that nobody
# gets half a file; the files named by their content come first, beside the
# older version's, then the manifest, the page and its worker, which make the
# newer version the one visitors get. The older version's files stay, for
# pages still loading them; they may go a day later.
set -eu
site=$1
dir=$2
made="manifest.webmanifest index.html sw.js"
for name in $(cd "$site" && ls | grep -v -x -e index.html -e sw.js -e manifest.webmanifest) $made; do
    cp "$site/$name" "$dir/.$name.part"
    mv -f "$dir/.$name.part" "$dir/$name"
done
echo "Published the page of $site in $dir"
