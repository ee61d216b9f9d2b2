#!/bin/sh
# SPDX-FileCopyrightText: 2026 The Towers project
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Builds the Windows files of the last commit twice, towers.exe, the installer
# and the Windows Installer package, and compares their bytes: once in a
# clone, once from the source tarball, in folders of different depth, under
# different umasks, time zones and locales, a while apart; both with the Qt
# for Windows of this build.
#   reproducible.sh SOURCE_DIR TOOLCHAIN_FILE QT_PREFIX
set -eu
source=$(cd "$1" && pwd)
toolchain=$2 qt=$3
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

build() { # source folder, build folder
    cmake -S "$1" -B "$2" -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
        -DCMAKE_PREFIX_PATH="$qt" -DQT_HOST_PATH=/usr -DBUILD_TESTING=OFF >/dev/null
    cmake --build "$2" -j "$(nproc)" --target towers installer msi >/dev/null
}

git clone -q "$source" "$scratch/clone"
(umask 022 && TZ=UTC LC_ALL=C.UTF-8 build "$scratch/clone" "$scratch/clone/build-windows")

sleep 2 # so that every file time of the second build differs from the first
tarball=$(BUILD_DIR="$scratch" "$scratch/clone/scripts/source-tarball.sh")
mkdir -p "$scratch/a/much/deeper/folder"
tar -xzf "$tarball" -C "$scratch/a/much/deeper/folder"
unpacked=$(ls -d "$scratch"/a/much/deeper/folder/towers-*)
(umask 002 && TZ=Asia/Tokyo LC_ALL=C build "$unpacked" "$unpacked/build-windows")

failed=0
for name in towers.exe $(cd "$unpacked/build-windows" && ls towers-*-setup.exe towers-*.msi); do
    first="$scratch/clone/build-windows/$name" second="$unpacked/build-windows/$name"
    if cmp -s "$first" "$second"; then
        echo "ok: $name byte-identical, sha256 $(sha256sum <"$first" | cut -d' ' -f1)"
    else
        echo "FAIL: $name differs"
        failed=1
        if command -v diffoscope >/dev/null; then
            diffoscope --text - "$first" "$second" | head -n 100
        fi
    fi
done
exit "$failed"
