#!/bin/sh
# SPDX-FileCopyrightText: 2026 The Towers project
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Builds the Debian package of the last commit twice and compares the bytes:
# once in a clone, once from the source tarball, in folders of different
# depth, under different umasks, time zones and locales, a while apart. Each
# builds into build/ inside its source, as the README's commands do: the
# debugging information holds the path from the one to the other.
#   reproducible.sh SOURCE_DIR
set -eu
source=$(cd "$1" && pwd)
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

package() { # source folder, build folder: prints the .deb made
    cmake -S "$1" -B "$2" -DBUILD_TESTING=OFF >/dev/null
    cmake --build "$2" -j "$(nproc)" >/dev/null
    (cd "$2" && cpack -G DEB >/dev/null)
    ls "$2"/towers_*.deb
}

git clone -q "$source" "$scratch/clone"
first=$(umask 022 && TZ=UTC LC_ALL=C.UTF-8 package "$scratch/clone" "$scratch/clone/build")

sleep 2 # so that every file time of the second build differs from the first
tarball=$(BUILD_DIR="$scratch" "$scratch/clone/scripts/source-tarball.sh")
mkdir -p "$scratch/a/much/deeper/folder"
tar -xzf "$tarball" -C "$scratch/a/much/deeper/folder"
unpacked=$(ls -d "$scratch"/a/much/deeper/folder/towers-*)
second=$(umask 002 && TZ=Asia/Tokyo LC_ALL=C package "$unpacked" "$unpacked/build")

if cmp "$first" "$second"; then
    echo "the package of the clone and of the tarball are byte-identical: $(sha256sum <"$first")"
    exit 0
fi
if command -v diffoscope >/dev/null; then
    diffoscope --text - "$first" "$second" | head -n 200
fi
exit 1
