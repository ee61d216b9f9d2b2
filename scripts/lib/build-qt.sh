#!/bin/sh
# SPDX-FileCopyrightText: 2026 The Towers project
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Builds Qt once from Debian's own qt6-base source, of the version installed
# here, and prints the folder it is installed in; for build-qt-windows.sh and
# build-qt-web.sh:
#   build-qt.sh NAME PATCH OPTIONS [CMAKE_ARGUMENT...]
# OPTIONS go to Qt's configure with those every Qt of ours shares (below), the
# CMake arguments after them, and PATCH (or /dev/null) is applied to the source
# first. The build is cached outside the clone in qt-VERSION-NAME-KEY, KEY from
# the version, the options and the patch, so every clone on the machine shares
# it and a second run takes a moment.
set -eu
project="$(cd "$(dirname "$0")/../.." && pwd)"
. "$project/scripts/lib/common.sh"
name=$1
patch=$2
options=$3
shift 3

# Only what the program and its tests use: Core, Gui, Widgets and Test, with
# no SQL, network, XML, D-Bus or printing, and none of the widgets and formats
# the window never shows or reads (JPEG, Markdown, ODF, graphics views, Vulkan,
# MDI areas, wizards, the file, colour and font dialogs), each of which would
# only lengthen a fresh machine's first build.
options="$options -nomake tests -nomake examples -no-dbus -no-feature-sql
 -no-feature-network -no-feature-xml -no-feature-concurrent -no-feature-printsupport
 -no-libjpeg -no-feature-textmarkdownreader -no-feature-textmarkdownwriter
 -no-feature-textodfwriter -no-feature-graphicsview -no-feature-vulkan
 -no-feature-mdiarea -no-feature-wizard -no-feature-filedialog
 -no-feature-colordialog -no-feature-fontdialog"

version=$(qt_version)
key=$( (echo "$version $options"; cat "$patch") | sha256sum | cut -c1-12)
prefix="$(towers_cache_dir)/qt-$version-$name-$key"
if [ -f "$prefix/.complete" ]; then
    echo "$prefix"
    exit 0
fi

work=$(mktemp -d "${TMPDIR:-/tmp}/towers-qt.XXXXXX")
trap 'rm -rf "$work"' EXIT
"$project/scripts/lib/unpack-qt-source.sh" "$work"
[ "$patch" = /dev/null ] || patch -d "$work/source" -p1 <"$patch" >&2

mkdir "$work/build"
cd "$work/build"
started=$(date +%s)
# shellcheck disable=SC2086 # the options are words
../source/configure -prefix "$prefix" $options -- -G Ninja "$@" >&2
nice cmake --build . --parallel "$(nproc)" >&2
cmake --install . >&2
echo "Qt ($name) built in $(( $(date +%s) - started )) s" >&2
touch "$prefix/.complete"
echo "$prefix"
