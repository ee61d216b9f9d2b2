#!/bin/sh
# SPDX-FileCopyrightText: 2026 The Towers project
# SPDX-License-Identifier: GPL-3.0-or-later
#
# One end-to-end case against the page, in Chromium as an app window on the
# virtual X display this runs on, served from 127.0.0.1 by a server started
# for the case alone:
#   web.sh SITE_DIR CASE [SCALE]
SITE=$1
SCALE=${3:-1}
here=$(cd "$(dirname "$0")" && pwd)
. "$here/lib.sh"
. "$here/cases.sh"

# The tests' static server (tests/web/serve.mjs), which prints its address.
: >"$WORK/server.log"
node "$here/../web/serve.mjs" "$SITE" >"$WORK/server.log" 2>&1 &
server_pid=$!
trap 'stop_program; kill "$server_pid" 2>/dev/null; rm -rf "$WORK"' EXIT
for _ in $(seq 100); do
    address=$(grep -m 1 '^http://' "$WORK/server.log" || true)
    [ -n "$address" ] && break
    sleep 0.1
done
[ -n "$address" ] || { echo "the server did not start:"; cat "$WORK/server.log"; exit 1; }

PROGRAM=$address
TOWERS_LAUNCHER="$here/chromium-app.sh"

# The page's title comes at once, the window once the program has loaded:
# the case starts when the board is drawn.
wait_for_first_paint() {
    for _ in $(seq 150); do
        window=$(xdotool search --onlyvisible --name "$TITLE" 2>/dev/null | head -n 1)
        if [ -n "$window" ]; then
            eval "$(xdotool getwindowgeometry --shell "$window")"
            ORIGIN_X=$X ORIGIN_Y=$Y
            screenshot
            is_colour $disk_x "$(disk_y 0)" $DARK_RED >/dev/null && return
        fi
        sleep 0.2
    done
    echo "the board did not appear in 30 s"
}

"case_$2"
