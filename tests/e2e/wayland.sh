#!/bin/sh
# SPDX-FileCopyrightText: 2026 The Towers project
# SPDX-License-Identifier: GPL-3.0-or-later
#
# One end-to-end case on a Wayland desktop: a headless weston with XWayland,
# as GNOME's session gives, and no platform chosen for the program.
#   wayland.sh PROGRAM CASE
set -eu
XDG_RUNTIME_DIR=$(mktemp -d)
export XDG_RUNTIME_DIR
weston_pid=""
trap '[ -z "$weston_pid" ] || kill "$weston_pid" 2>/dev/null; rm -rf "$XDG_RUNTIME_DIR"' EXIT

# weston makes XWayland's socket, but not the folder for it, as an X server does.
[ -d /tmp/.X11-unix ] || install -d -m 1777 /tmp/.X11-unix
# --use-pixman draws for real (headless otherwise draws nothing), --debug
# allows the screenshots; both weston 10 (Debian 12) and 14 (Debian 13) take them.
log=$XDG_RUNTIME_DIR/weston.log
weston --backend=headless-backend.so --use-pixman --width=1024 --height=768 --xwayland \
    --debug --no-config --idle-time=0 --socket=towers-wayland --log="$log" &
weston_pid=$!
display=""
for _ in $(seq 200); do
    display=$(sed -n 's/.*xserver listening on display \(:[0-9]*\).*/\1/p' "$log" 2>/dev/null | tail -n 1)
    [ -n "$display" ] && break
    sleep 0.1
done
[ -n "$display" ] || { cat "$log"; echo "weston started no XWayland"; exit 1; }

export WAYLAND_DISPLAY=towers-wayland DISPLAY="$display"
export XDG_SESSION_TYPE=wayland XDG_CURRENT_DESKTOP=GNOME TOWERS_QPA=""
"$(dirname "$0")/run.sh" "$1" none "$2" 1
