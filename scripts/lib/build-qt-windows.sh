#!/bin/sh
# SPDX-FileCopyrightText: 2026 The Towers project
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Builds Qt for 64-bit Windows, static, from Debian's own qt6-base source, and
# prints the folder it is installed in; cached by build-qt.sh.
set -eu
project="$(cd "$(dirname "$0")/../.." && pwd)"
. "$project/scripts/lib/common.sh"
toolchain="$project/cmake/mingw-w64-x86_64.cmake"

# The host's Qt tools (moc, rcc, uic) serve the cross build, and Qt takes them
# only from the same version: so the target Qt is the host's version, from the
# same source package, and Debian 12 and 13 each build their own (6.4, 6.8).
version=$(qt_version)

# Beside what build-qt.sh leaves out of every Qt of ours: the Windows and
# offscreen platforms, the Fusion style; no drawing tablet (its header is not
# in Debian's source) and no OpenGL.
options="-xplatform win32-g++ -qt-host-path /usr -release -static -static-runtime
 -no-opengl -no-feature-tabletevent -no-feature-style-windowsvista
 -qt-zlib -qt-libpng -qt-pcre -qt-harfbuzz -qt-freetype -qt-doubleconversion"

# Our patches to the Windows platform of this Qt's series
# (packaging/windows/qt6.4-*.patch, qt6.8-*.patch), each explained at its top:
# UI Automation told when a disk's description changes, and, for 6.4, the GDI
# font database without Direct2D. Without Direct2D, Qt 6.4's Windows platform
# still asks for the DirectWrite font database, which is built only with
# Direct2D. Qt 6.8's Windows font databases build neither without Direct2D
# (its DirectWrite font file loader is then left undefined) nor without
# DirectWrite (the GDI one still names DirectWrite's types): 6.8 keeps
# Direct2D, Qt's own default, and with it DirectWrite as its default font
# database.
series=$(echo "$version" | cut -d. -f1,2)
case "$series" in
6.4) options="$options -no-feature-direct2d" ;;
esac
patch=$(mktemp)
trap 'rm -f "$patch"' EXIT
cat "$project"/packaging/windows/qt"$series"-*.patch >"$patch"

"$project/scripts/lib/build-qt.sh" win64 "$patch" "$options" \
    -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake
