#!/bin/sh
# SPDX-FileCopyrightText: 2026 The Towers project
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Builds the Windows Installer package of towers.wxs, as CMake configures it,
# with msitools, the same bytes for the same commit:
#   msi.sh WXS VERSION TOWERS_EXE TOWERS_ICO EPOCH OUT_MSI
# TOWERS_PUBLISHER in the environment names the publisher in its summary, and
# TOWERS_APP_ID is the name its codes derive from.
# The UpgradeCode, in towers.wxs, is the same for every version; the
# ProductCode and the package code derive from the version, so that the same
# version makes the same package and each new version a new product.
# wixl writes the tables' texts in the code page of the language it takes the
# machine to have, and records none: WINDOWS_LANGUAGE=bg makes it Cyrillic,
# and msibuild then records that code page, so that every Windows reads the
# names alike. wixl also takes the cabinet's file dates from the files, the
# summary's times from the clock and the package code from chance: the files
# are copies dated EPOCH, the clock is stopped at EPOCH (faketime -f, which
# holds it there; without -f it would run on from EPOCH), and the package code
# is written over.
set -eu
wxs=$(realpath "$1") version=$2 exe=$3 icon=$4 epoch=$5 out=$6
code() { # what
    python3 -c 'import sys, uuid; print(str(uuid.uuid5(uuid.NAMESPACE_URL, sys.argv[1])).upper())' \
        "$TOWERS_APP_ID/$1/$version"
}
product_code=$(code product)
package_code=$(code package)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

cp "$exe" "$work/towers.exe"
cp "$icon" "$work/towers.ico"
touch -d "@$epoch" "$work/towers.exe" "$work/towers.ico"
printf '\r\n\r\n1251\t_ForceCodepage\r\n' >"$work/_ForceCodepage.idt"
export TZ=UTC WINDOWS_LANGUAGE=bg
cd "$work"
faketime -f "$(date -u -d "@$epoch" '+%Y-%m-%d %H:%M:%S')" \
    wixl -a x64 -D Version="$version" -D ProductCode="$product_code" \
    -D Exe=towers.exe -D Icon=towers.ico -o towers.msi "$wxs"
msibuild towers.msi -i _ForceCodepage.idt \
    -s "Towers puzzle $version" "$TOWERS_PUBLISHER" "x64;1026" "{$package_code}"
mv towers.msi "$out"
