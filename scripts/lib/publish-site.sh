#!/bin/sh
# SPDX-FileCopyrightText: 2026 The Towers project
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Puts a built page into a web server's folder so that the folder serves a
# whole version at every moment (web.sh publish):
#   publish-site.sh SITE DIR
# Each file is written under a new name of its own in DIR (mktemp, which
# never opens a name already there, so nothing planted in DIR is followed or
# written through), readable by every user whatever the umask, as a web
# server's workers run as a user of their own, and renamed into its place,
# so that nobody gets half a file; a link at that place is replaced, never
# followed. The files named by their content come first, beside the older
# version's, then the manifest, the page and its worker, which make the
# newer version the one visitors get. The older version's files stay, for
# pages still loading them; they may go a day later.
set -eu
site=$1
dir=$2
made="manifest.webmanifest index.html sw.js"
for name in $(cd "$site" && ls | grep -v -x -e index.html -e sw.js -e manifest.webmanifest) $made; do
    part=$(mktemp "$dir/.$name.XXXXXX")
    cat "$site/$name" >"$part"
    chmod 0644 "$part"
    mv -f -T "$part" "$dir/$name"
done
echo "Published the page of $site in $dir"
