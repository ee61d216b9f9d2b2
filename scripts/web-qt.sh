#!/bin/sh
# SPDX-FileCopyrightText: 2026 The Towers project
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Builds Qt for the web (WebAssembly, static, single-threaded) from Debian's
# own qt6-base source, with Debian's emscripten, and prints the folder it is
# installed in. Runs on Debian 13, whose emscripten is new enough for Qt 6.
# The build is cached outside the clone, keyed by Qt's version, the configure
# options and our patch, so a second run takes a moment.
set -eu
here="$(cd "$(dirname "$0")/.." && pwd)"
. "$here/scripts/emsdk.sh"

# The host's Qt tools (moc, rcc, uic) serve the cross build, of the same version.
version=$(dpkg-query -W -f='${Version}' qt6-base-dev)

# Only what the program and its tests use: Core, Gui, Widgets and Test. Every
# third-party library from Qt's own copy: Debian's emscripten cannot build its
# ports in its read-only cache. OpenGL stays: the web platform needs its headers.
options="-platform wasm-emscripten -qt-host-path /usr -release -static -optimize-size
 -nomake tests -nomake examples -no-dbus -no-feature-sql -no-feature-network
 -no-feature-xml -no-feature-concurrent -no-feature-printsupport
 -qt-zlib -qt-libpng -qt-libjpeg -qt-pcre -qt-harfbuzz -qt-freetype -qt-doubleconversion"

# The web platform carries two DejaVu fonts for text in families it lacks; the
# program brings its own font and uses no other, so they would be half a
# megabyte of download for nothing.
patch="$here/packaging/web/qt-wasm-without-bundled-fonts.patch"

key=$( (echo "$version $options"; cat "$patch") | sha256sum | cut -c1-12)
cache="${XDG_CACHE_HOME:-$HOME/.cache}/towers"
prefix="$cache/qt-$version-wasm-$key"
if [ -f "$prefix/.complete" ]; then
    echo "$prefix"
    exit 0
fi

work=$(mktemp -d "${TMPDIR:-/tmp}/towers-qt.XXXXXX")
trap 'rm -rf "$work"' EXIT
"$here/scripts/qt-source.sh" "$work"
patch -d "$work/source" -p1 <"$patch" >&2

mkdir "$work/build"
cd "$work/build"
started=$(date +%s)
# shellcheck disable=SC2086 # the options are words
../source/configure -prefix "$prefix" $options -- -G Ninja \
    -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake >&2
nice cmake --build . --parallel "$(nproc)" >&2
cmake --install . >&2
echo "Qt for the web built in $(( $(date +%s) - started )) s" >&2
touch "$prefix/.complete"
echo "$prefix"
