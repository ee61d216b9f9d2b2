# SPDX-FileCopyrightText: 2026 The Towers project
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Shared by the installer tests, which run under Wine on an X display with
# WINEPREFIX naming the prefix: where the program lands, and its start.
wine=${TOWERS_LAUNCHER:-/usr/lib/wine/wine64}
drive_c=$WINEPREFIX/drive_c
installed="$drive_c/Program Files/Towers"
shortcut="$drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/$TOWERS_DISPLAY_NAME.lnk"
title=$TOWERS_WINDOW_TITLE
. "$(dirname "$0")/../checks.sh"
absent() { [ ! -e "$1" ]; }

# The title of the installed program's window, once it shows, or nothing
# after a minute.
installed_program_shows() {
    "$wine" 'C:\Program Files\Towers\towers.exe' 2>/dev/null &
    program=$!
    # xdotool's search fails when one of Wine's passing windows goes away under it.
    shown=""
    for _ in $(seq 600); do
        window=$(xdotool search --onlyvisible --name "$title" 2>/dev/null | head -n 1 || true)
        shown=$([ -n "$window" ] && xdotool getwindowname "$window" 2>/dev/null || true)
        [ -n "$shown" ] && break
        sleep 0.1
    done
    kill "$program"
    wineserver --wait
    [ "$shown" = "$title" ]
}
