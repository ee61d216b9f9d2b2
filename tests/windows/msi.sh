#!/bin/sh
# SPDX-FileCopyrightText: 2026 The Towers project
# SPDX-License-Identifier: GPL-3.0-or-later
#
# The Windows Installer package under Wine, as an IT department deploys it: a
# silent install, its files, Start-menu shortcut and Add/Remove Programs entry
# with their Bulgarian names, the installed program showing its window; then
# a later version (1.0.1, built here from the same program) replacing it in
# place, a silent uninstall that leaves nothing of it behind, and an install
# into a folder of the IT department's choosing.
#   msi.sh MSI MSI_SH WXS TOWERS_EXE TOWERS_ICO EPOCH
# (WINEPREFIX names the prefix; run on an X display)
set -eu
msi=$1 msi_sh=$2 wxs=$3 exe=$4 icon=$5 epoch=$6
here=$(cd "$(dirname "$0")" && pwd)
. "$here/installed.sh"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

uninstall='Software\Microsoft\Windows\CurrentVersion\Uninstall'
# Wine writes its registry to system.reg once its server is idle.
registry() { "$here/registry.py" "$WINEPREFIX/system.reg" "$@"; }
product_code() { msiinfo export "$1" Property | tr -d '\r' | sed -n 's/^ProductCode\t//p'; }
ours() { registry keys "$uninstall\\{" | while read -r key; do
    [ "$(registry value "$key" DisplayName)" = "$TOWERS_DISPLAY_NAME" ] && echo "$key"; done; true; }
is() { # what, the value found, the value expected
    [ "$2" = "$3" ] || { echo "  $1: '$2', expected '$3'"; return 1; }
}
msiexec() {
    "$wine" msiexec "$@"
    wineserver --wait
}

# The shortcut goes into ProgramMenuFolder of a package for the whole machine
# (ALLUSERS=1), which Windows makes every user's Start menu. Wine makes it the
# installing user's whatever ALLUSERS says (a FIXME in its msi.dll): there it
# is looked for.
table() { msiinfo export "$msi" "$1" | tr -d '\r'; }
check "the package is for the whole machine" is ALLUSERS \
    "$(table Property | sed -n 's/^ALLUSERS\t//p')" 1
check "its shortcut goes into the Start menu's programs" is Directory_ \
    "$(table Shortcut | awk -F '\t' '$1 == "StartMenuShortcut" { print $2 }')" ProgramMenuFolder

msiexec /i "$msi" /qn
shortcut=$(echo "$drive_c"/users/*/AppData/Roaming/Microsoft/Windows/Start\ Menu/Programs)/"$TOWERS_DISPLAY_NAME.lnk"
first=$(product_code "$msi")
key="$uninstall\\$first"
check "towers.exe in Program Files, as built" cmp -s "$installed/towers.exe" "$exe"
check "a Start-menu shortcut named in Bulgarian" [ -f "$shortcut" ]
check "the shortcut starts the installed program" \
    grep -q -a 'C:\\Program Files\\Towers\\towers.exe' "$shortcut"
check "one Add/Remove Programs entry, ours" is "entries" "$(ours)" "$key"
check "its name is Bulgarian" is DisplayName "$(registry value "$key" DisplayName)" "$TOWERS_DISPLAY_NAME"
check "its publisher" is Publisher "$(registry value "$key" Publisher)" "$TOWERS_PUBLISHER"
check "its version" is DisplayVersion "$(registry value "$key" DisplayVersion)" "1.0"
check "no Modify or Repair buttons" is "NoModify, NoRepair" \
    "$(registry value "$key" NoModify), $(registry value "$key" NoRepair)" "1, 1"
# Add/Remove Programs shows a package's icon from its product registration.
icon() {
    for product in $(registry keys 'Software\Classes\Installer\Products\'); do
        [ "$(registry value "$product" ProductName)" = "$TOWERS_DISPLAY_NAME" ] \
            && registry value "$product" ProductIcon
    done
}
icon_file=$(icon | sed 's|^C:|'"$drive_c"'|; s|\\|/|g')
check "and its icon" [ -f "${icon_file:-none}" ]
check "the installed program shows its window" installed_program_shows

# A later version: the same program, a version of its own.
"$msi_sh" "$wxs" 1.0.1 "$exe" "$icon" "$epoch" "$work/towers-1.0.1.msi"
msiexec /i "$work/towers-1.0.1.msi" /qn
second=$(product_code "$work/towers-1.0.1.msi")
check "the later version is a product of its own" [ "$second" != "$first" ]
check "after the upgrade, one entry: the later version's" is "entries" "$(ours)" "$uninstall\\$second"
check "at version 1.0.1" is DisplayVersion "$(registry value "$uninstall\\$second" DisplayVersion)" "1.0.1"
check "towers.exe still in Program Files" [ -f "$installed/towers.exe" ]
check "the shortcut still there" [ -f "$shortcut" ]

msiexec /x "$work/towers-1.0.1.msi" /qn
check "the silent uninstall removes the program's folder" absent "$installed"
check "and the shortcut" absent "$shortcut"
check "and the Add/Remove Programs entry" is "entries" "$(ours)" ""
check "and the shortcut's registry value" is "keys" "$(registry keys 'Software\Towers')" ""
# Another folder, as an IT department may choose on the command line.
msiexec /i "$msi" /qn 'INSTALLDIR=C:\Schule\Towers'
check "INSTALLDIR puts the program elsewhere" [ -f "$drive_c/Schule/Towers/towers.exe" ]
msiexec /x "$msi" /qn
check "and the uninstall takes it away from there" absent "$drive_c/Schule/Towers"
checks_passed
