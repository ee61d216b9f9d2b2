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
    # Every Windows machine has Times New Roman, and Wine has not: it shows
    # Liberation Serif, the same metrics, under that name, which Qt then
    # reports as an exact match. Nothing of this is needed on Windows.
    "$wine" reg add 'HKCU\Software\Wine\Fonts\Replacements' \
        /v 'Times New Roman' /t REG_SZ /d 'Liberation Serif' /f >/dev/null
    wineserver --wait
    # Qt's offscreen platform, which the widget tests use, reads its fonts from
    # one folder and knows no replacements: there Liberation Serif goes by the
    # name Times New Roman itself.
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
