#!/bin/sh
# SPDX-FileCopyrightText: 2026 The Towers project
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Builds Qt for the web (WebAssembly, static, single-threaded) from Debian's
# own qt6-base source, with Debian's emscripten, and prints the folder it is
# installed in; cached by build-qt.sh. Runs on Debian 13, whose emscripten is
# new enough for Qt 6; the host's Qt tools (moc, rcc, uic), of the same
# version, serve the cross build.
set -eu
project="$(cd "$(dirname "$0")/../.." && pwd)"
. "$project/scripts/lib/emsdk-env.sh"

# Beside what build-qt.sh leaves out of every Qt of ours: every third-party
# library from Qt's own copy, as Debian's emscripten cannot build its ports in
# its read-only cache. OpenGL stays: the web platform needs its headers.
options="-platform wasm-emscripten -qt-host-path /usr -release -static -optimize-size
 -qt-zlib -qt-libpng -qt-pcre -qt-harfbuzz -qt-freetype -qt-doubleconversion"

# Our patches to the web platform (packaging/web/qt-*.patch), each explained
# at its top: without the two DejaVu fonts it carries, as the program brings
# its own, and with its screen's style allowed by a strict security policy.
patch=$(mktemp)
trap 'rm -f "$patch"' EXIT
cat "$project"/packaging/web/qt-*.patch >"$patch"

"$project/scripts/lib/build-qt.sh" wasm "$patch" "$options" \
    -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake
