#!/bin/sh
# SPDX-FileCopyrightText: 2026 The Towers project
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Opens a page in Chromium (tests/web/chromium.mjs) as an app window the size
# of the program's window, at the top left of the display, with every host
# but 127.0.0.1 unreachable, so that every case also shows that the page
# needs nothing from elsewhere:
#   chromium-app.sh URL
# QT_SCALE_FACTOR, which the end-to-end cases set, becomes the device pixel
# ratio. Without a window manager the window has no title bar: the page starts
# at its corner.
. "$TOWERS_PLACES" # the window's size, in twips
exec node "$(dirname "$0")/../web/chromium.mjs" --app="$1" --force-device-scale-factor="${QT_SCALE_FACTOR:-1}" \
    --window-position=0,0 --window-size=$((window_width / twips_per_pixel)),$((window_height / twips_per_pixel)) \
    --host-resolver-rules="MAP * ~NOTFOUND, EXCLUDE 127.0.0.1"
