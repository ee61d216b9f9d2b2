#!/bin/sh
# SPDX-FileCopyrightText: 2026 The Towers project
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Unpacks Debian's own qt6-base source, of the very version installed here and
# with Debian's patches applied, into DIR/source. Where apt has no source entry
# for it, a deb-src twin of the entry that version comes from is added, in a
# list of our own.
#   unpack-qt-source.sh DIR
set -eu
project="$(cd "$(dirname "$0")/../.." && pwd)"
. "$project/scripts/lib/common.sh"
version=$(qt_version)

if ! apt-get source --print-uris "qt6-base=$version" >/dev/null 2>&1; then
    origin=$(apt-cache policy qt6-base-dev | awk -v v="$version" '
        $1 == "***" || $1 == v { found = 1; next }
        found && $1 ~ /^[0-9]+$/ && $2 ~ /^[a-z]+:\/\// { print $2, $3; exit }')
    uri=${origin% *}
    suite=${origin#* }
    suite=${suite%/*}
    [ -n "$uri" ] && [ -n "$suite" ] || { echo "no apt source found for qt6-base $version" >&2; exit 1; }
    cat >/etc/apt/sources.list.d/towers-qt-source.sources <<SOURCES
Types: deb-src
URIs: $uri
Suites: $suite
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg
SOURCES
    apt-get update >&2
fi

cd "$1"
apt-get source --download-only "qt6-base=$version" >&2
dpkg-source -x --no-check qt6-base_*.dsc source >&2
