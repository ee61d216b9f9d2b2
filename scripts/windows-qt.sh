#!/bin/sh
# SPDX-FileCopyrightText: 2026 The Towers project
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Builds Qt for 64-bit Windows, static, from Debian's own qt6-base source, and
# prints the folder it is installed in. The build is cached outside the clone,
# keyed by Qt's version, the configure options and our patch, so every clone on
# the machine shares it and a second run takes a moment.
set -eu
here="$(cd "$(dirname "$0")/.." && pwd)"
toolchain="$here/cmake/mingw-w64-x86_64.cmake"

# The host's Qt tools (moc, rcc, uic) serve the cross build, and Qt takes them
# only from the same version: so the target Qt is the host's version, from the
# same source package, and Debian 12 and 13 each build their own (6.4, 6.8).
version=$(dpkg-query -W -f='${Version}' qt6-base-dev)
# Our one change to Qt, worded for each Qt version's source.
minor=$(echo "$version" | sed -E 's/^([0-9]+\.[0-9]+).*/\1/')
patch="$here/packaging/windows/qt$minor-directwrite-without-direct2d.patch"
[ -f "$patch" ] || { echo "no patch for Qt $minor in packaging/windows/" >&2; exit 1; }

# Only what the program and its tests use: Core, Gui, Widgets and Test, the
# Windows and offscreen platforms, the Fusion style. No drawing tablet (its
# header is not in Debian's source), no Direct2D, OpenGL, SQL, network or XML.
options="-xplatform win32-g++ -qt-host-path /usr -release -static -static-runtime
 -nomake tests -nomake examples -no-opengl -no-dbus -no-feature-sql
 -no-feature-network -no-feature-xml -no-feature-concurrent -no-feature-printsupport
 -no-feature-tabletevent -no-feature-direct2d -no-feature-style-windowsvista
 -qt-zlib -qt-libpng -qt-pcre -qt-harfbuzz -qt-freetype -qt-doubleconversion"

key=$( (echo "$version $options"; cat "$patch") | sha256sum | cut -c1-12)
cache="${XDG_CACHE_HOME:-$HOME/.cache}/towers"
prefix="$cache/qt-$version-win64-$key"
if [ -f "$prefix/.complete" ]; then
    echo "$prefix"
    exit 0
fi

# Debian's source for the very version installed, from the archive and suite
# apt already uses for it: a deb-src twin of that entry, in a list of our own.
if ! apt-get source --print-uris "qt6-base=$version" >/dev/null 2>&1; then
    origin=$(apt-cache policy qt6-base-dev | awk -v v="$version" '
        $1 == "***" || $1 == v { found = 1; next }
        found && $1 ~ /^[0-9]+$/ && $2 ~ /^[a-z]+:\/\// { print $2, $3; exit }')
    uri=${origin% *}
    suite=${origin#* }
    suite=${suite%/*}
    [ -n "$uri" ] && [ -n "$suite" ] || { echo "no apt source found for qt6-base $version" >&2; exit 1; }
    cat >/etc/apt/sources.list.d/towers-qt-source.sources <<EOF
Types: deb-src
URIs: $uri
Suites: $suite
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg
EOF
    apt-get update >&2
fi

work=$(mktemp -d "${TMPDIR:-/tmp}/towers-qt.XXXXXX")
trap 'rm -rf "$work"' EXIT
cd "$work"
# dpkg-source applies Debian's own patches as it unpacks.
apt-get source --download-only "qt6-base=$version" >&2
dpkg-source -x --no-check qt6-base_*.dsc source >&2
patch -d source -p1 <"$patch" >&2

mkdir build
cd build
started=$(date +%s)
# shellcheck disable=SC2086 # the options are words
../source/configure -prefix "$prefix" $options -- -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
    -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake >&2
nice cmake --build . --parallel "$(nproc)" >&2
cmake --install . >&2
echo "Qt for Windows built in $(( $(date +%s) - started )) s" >&2
touch "$prefix/.complete"
echo "$prefix"
