#!/bin/sh
# SPDX-FileCopyrightText: 2026 The Towers project
# SPDX-License-Identifier: GPL-3.0-or-later
#
# One end-to-end case against the page, in a browser's window of the page's
# size on the virtual X display this runs on, served from 127.0.0.1 by a
# server started for the case alone: Chromium as an app window, Firefox ESR,
# or WebKitGTK (Safari's engine) in a window of ours:
#   web.sh SITE_DIR CASE [SCALE [chromium|firefox|webkit]]
SITE=$1
SCALE=${3:-1}
here=$(cd "$(dirname "$0")" && pwd)
. "$here/lib.sh"
case ${4:-chromium} in
chromium) TOWERS_LAUNCHER="$here/chromium-app.sh" ;;
firefox) TOWERS_LAUNCHER="$here/firefox-app.sh"
    WINDOW_NAME="$TITLE — Mozilla Firefox" ;; # Firefox names itself after the page
webkit) TOWERS_LAUNCHER="$here/webkit-app.py" ;;
esac
. "$here/cases.sh"

# The tests' static server (tests/web/serve.mjs), which prints its address.
: >"$WORK/server.log"
node "$here/../web/serve.mjs" "$SITE" >"$WORK/server.log" 2>&1 &
server_pid=$!
trap 'stop_program; kill "$server_pid" 2>/dev/null || true; rm -rf "$WORK"' EXIT
for _ in $(seq 100); do
    address=$(grep -m 1 '^http://' "$WORK/server.log" || true)
    [ -n "$address" ] && break
    sleep 0.1
done
[ -n "$address" ] || { echo "the server did not start:"; cat "$WORK/server.log"; exit 1; }

PROGRAM=$address

# The page's title comes at once, the window once the program has loaded:
# the case starts when the board is drawn.
wait_for_first_paint() {
    for _ in $(seq 300); do
        window=$(xdotool search --onlyvisible --name "$TITLE" 2>/dev/null | head -n 1)
        if [ -n "$window" ]; then
            eval "$(xdotool getwindowgeometry --shell "$window")"
            ORIGIN_X=$X ORIGIN_Y=$Y
            screenshot
            colour_matches $disk_x "$(disk_y 0)" $DARK_RED >/dev/null && return
        fi
        sleep 0.2
    done
    echo "the board did not appear in 60 s"
}

# The second visit as a pupil makes it with the school's server gone: the
# page kept by its service worker, reloaded in the same browser, shows the
# window as it starts, and a disk moves.
case_offline_reload() {
    start_program
    move_disk 0 0 2
    expect_colour "the first visit plays" "$(on_peg 2)" "$(disk_y 0)" $DARK_RED
    sleep 5 # for the service worker to keep the page, after the window is drawn
    kill "$server_pid"
    wait "$server_pid" 2>/dev/null || true
    keys F5
    expect_colour "with the server gone, a reload shows the window as it starts" $disk_x "$(disk_y 0)" $DARK_RED
    move_disk 0 0 2
    expect_colour "and a disk moves" "$(on_peg 2)" "$(disk_y 0)" $DARK_RED
    finish
}

"case_$2"
