#!/bin/sh
# SPDX-FileCopyrightText: 2026 The Towers project
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Installs what is missing, builds into build-run/ and starts the program.
# Without a display it starts it on a virtual one instead, saves a screenshot
# of the window and ends.
set -eu
cd "$(dirname "$0")/.."
. scripts/lib/common.sh
install_packages run
scripts/lib/cmake-build.sh build-run -DBUILD_TESTING=OFF
program="$(pwd)/build-run/towers"

if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
    exec "$program"
fi

shot="$(pwd)/towers-screenshot.png"
scripts/lib/virtual-display.sh sh -c '
    "$1" &
    pid=$!
    window=$(timeout 30 xdotool search --sync --onlyvisible --pid "$pid" | head -n 1)
    sleep 1
    import -window "$window" "$2"
    kill "$pid"
' sh "$program" "$shot"
echo "No display here: the window was shown on a virtual one, and its screenshot saved as $shot"
