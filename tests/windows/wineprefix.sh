#!/bin/sh
# SPDX-FileCopyrightText: 2026 The Towers project
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Makes or removes the Wine prefix the Windows tests run in.
#   wineprefix.sh make|remove PREFIX
set -eu
export WINEPREFIX=$2 WINEDEBUG=-all
wine=/usr/lib/wine/wine64
case $1 in
make)
    rm -rf "$WINEPREFIX"
    # Without 32-bit Wine, wineboot complains about syswow64; harmless here.
    "$wine" wineboot --init >/dev/null 2>&1 || true
    wineserver --wait
    # Every Windows machine has Times New Roman, and Wine has not: Liberation
    # Serif, with the same metrics, stands in under that very name, installed
    # in the prefix for Qt's Windows platform (its DirectWrite font database,
    # Qt 6.8's, knows no font replacements) and in one folder for Qt's
    # offscreen platform, which the widget tests use. Nothing of this is
    # needed on Windows.
    mkdir -p "$WINEPREFIX/offscreen-fonts"
    /usr/bin/python3 - "$WINEPREFIX/offscreen-fonts" <<'PYTHON'
import os, sys
from fontTools.ttLib import TTFont
# Liberation 2 is in liberation2/ on Debian 12 and in liberation/ on Debian 13.
folder = next(f for f in ("/usr/share/fonts/truetype/liberation2", "/usr/share/fonts/truetype/liberation")
              if os.path.exists(f"{f}/LiberationSerif-Regular.ttf"))
for style in ("Regular", "Bold", "Italic", "BoldItalic"):
    font = TTFont(f"{folder}/LiberationSerif-{style}.ttf")
    for record in font["name"].names:
        if record.nameID in (1, 3, 4, 6, 16):
            text = record.toUnicode().replace("Liberation Serif", "Times New Roman")
            record.string = text.replace("LiberationSerif", "TimesNewRomanPSMT")
    font.save(f"{sys.argv[1]}/times-{style}.ttf")
PYTHON
    for style in Regular Bold Italic BoldItalic; do
        cp "$WINEPREFIX/offscreen-fonts/times-$style.ttf" "$WINEPREFIX/drive_c/windows/Fonts/"
        name="Times New Roman $style (TrueType)"
        "$wine" reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\Fonts' \
            /v "$name" /t REG_SZ /d "times-$style.ttf" /f >/dev/null
    done
    wineserver --wait
    [ -f "$WINEPREFIX/system.reg" ] || { echo "no Wine prefix made in $WINEPREFIX" >&2; exit 1; }
    echo "Wine prefix made in $WINEPREFIX"
    ;;
remove)
    wineserver --kill 2>/dev/null || true
    rm -rf "$WINEPREFIX"
    ;;
*)
    echo "usage: $0 make|remove PREFIX" >&2
    exit 2
    ;;
esac
