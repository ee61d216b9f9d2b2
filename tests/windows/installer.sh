#!/bin/sh
# SPDX-FileCopyrightText: 2026 The Towers project
# SPDX-License-Identifier: GPL-3.0-or-later
#
# The installer under Wine, as an IT department runs it: a silent install, the
# installed program started from Program Files showing its window, the
# Start-menu shortcut and the Add/Remove Programs entry, then a silent
# uninstall that leaves none of them behind.
#   installer.sh SETUP_EXE    (WINEPREFIX names the prefix; run on an X display)
set -eu
setup=$1
. "$(dirname "$0")/installed.sh"
registered() { # Wine writes its registry to system.reg once its server is idle
    grep -q -F '[Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\towers]' "$WINEPREFIX/system.reg"
}
unregistered() { ! registered; }

started=$(date +%s%N)
"$wine" "$setup" /S
wineserver --wait
echo "silent install took $((($(date +%s%N) - started) / 1000000)) ms"
check "towers.exe in Program Files" [ -f "$installed/towers.exe" ]
check "the uninstaller beside it" [ -f "$installed/uninstall.exe" ]
check "a Start-menu shortcut" [ -f "$shortcut" ]
check "the shortcut points at the installed program" grep -q -a 'towers.exe' "$shortcut"
check "an entry in Add/Remove Programs" registered

check "the installed program shows its window" installed_program_shows

"$wine" "$installed/uninstall.exe" /S
wineserver --wait # the uninstaller runs on from a copy of itself in the temporary folder
check "the silent uninstall removes the program's folder" absent "$installed"
check "and the shortcut" absent "$shortcut"
check "and the Add/Remove Programs entry" unregistered
checks_passed
