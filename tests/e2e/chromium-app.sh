#!/bin/sh
# SPDX-FileCopyrightText: 2026 The Towers project
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Opens a page in Chromium as an app window the size of the program's window,
# at the top left of the display, with a profile of its own that goes with it,
# and every host but 127.0.0.1 unreachable, so that every case also shows that
# the page needs nothing from elsewhere:
#   chromium-app.sh URL
# QT_SCALE_FACTOR, which the end-to-end cases set, becomes the device pixel
# ratio. Without a window manager the window has no title bar: the page starts
# at its corner.
scale=${QT_SCALE_FACTOR:-1}
profile=$(mktemp -d)
# As root Chromium runs only without its sandbox; --test-type keeps the bar
# that warns of it from pushing the page down. Its temporary files go into the
# profile, so that a killed browser leaves none behind in /tmp.
TMPDIR="$profile" chromium --app="$1" --no-sandbox --test-type --user-data-dir="$profile" \
    --no-first-run --no-default-browser-check --password-store=basic --disable-gpu \
    --force-device-scale-factor="$scale" --window-position=0,0 --window-size=670,424 \
    --host-resolver-rules="MAP * ~NOTFOUND, EXCLUDE 127.0.0.1" &
browser=$!
# Chromium's helpers may still write into the profile as the browser ends.
forget_profile() {
    for _ in 1 2 3 4 5 6 7 8 9 10; do
        rm -rf "$profile" 2>/dev/null
        [ -e "$profile" ] || return 0
        sleep 0.2
    done
}
trap 'kill "$browser" 2>/dev/null; wait "$browser"; forget_profile; exit 0' INT TERM
wait "$browser"
forget_profile
