#!/bin/sh
# SPDX-FileCopyrightText: 2026 The Towers project
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Installs what is missing, builds and starts the program. Without a display it
# starts it on a virtual one instead, saves a screenshot of the window and ends.
set -eu
cd "$(dirname "$0")/.."
scripts/deps.sh run
CMAKE_ARGS="-DBUILD_TESTING=OFF -DTOWERS_BENCHMARKS=OFF" scripts/build.sh
program="$(pwd)/${BUILD_DIR:-build}/towers"

if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
    exec "$program"
fi

shot="$(pwd)/towers-screenshot.png"
xvfb-run -a -s "-screen 0 1024x768x24 -dpi 96" sh -c '
    "$1" &
    pid=$!
    window=$(timeout 30 xdotool search --sync --onlyvisible --name "Информатика - търсене с връщане назад" | head -n 1)
    sleep 1
    import -window "$window" "$2"
    kill "$pid"
' sh "$program" "$shot"
echo "No display here: the window was shown on a virtual one, and its screenshot saved as $shot"
