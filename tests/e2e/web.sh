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
ENGINE=${4:-chromium}
case $ENGINE in
chromium) TOWERS_LAUNCHER="$here/chromium-app.sh" ;;
firefox) TOWERS_LAUNCHER="$here/firefox-app.sh"
    WINDOW_NAME="$TITLE — Mozilla Firefox" ;; # Firefox names itself after the page
webkit) TOWERS_LAUNCHER="$here/webkit-app.py" ;;
esac
# To a screen reader the window is the page's document, and the counter an entry.
ACCESSIBLE_WINDOW="document web" ACCESSIBLE_EDIT=entry
. "$here/cases.sh"

# The address a server of the tests prints first, once it has.
address_in() { # log
    for _ in $(seq 100); do
        grep -m 1 '^http://' "$1" && return
        sleep 0.1
    done
    echo "the server did not start:" >&2
    cat "$1" >&2
    exit 1
}

# The tests' static server (tests/web/serve.mjs).
node "$here/../web/serve.mjs" "$SITE" >"$WORK/server.log" 2>&1 &
server_pid=$!
trap 'stop_program; kill "$server_pid" 2>/dev/null || true; rm -rf "$WORK"' EXIT
PROGRAM=$(address_in "$WORK/server.log")

# In its place, Debian's nginx or Apache with the page's configuration,
# serving a folder as the page's (tests/web/servers.mjs). Apache's workers
# read it as www-data.
start_server() { # nginx|apache folder
    kill "$server_pid" 2>/dev/null || true
    wait "$server_pid" 2>/dev/null || true
    server_root=$WORK/$1-root
    mkdir "$server_root"
    chmod 755 "$WORK" "$server_root"
    ln -s "$(cd "$2" && pwd)" "$server_root/towers"
    node "$here/../web/servers.mjs" "$1" "$server_root" >"$WORK/$1.log" 2>&1 &
    server_pid=$!
    PROGRAM=$(address_in "$WORK/$1.log")
}

# The page's title comes at once, the window once the program has loaded:
# the case starts when the board is drawn, or, where none is expected, once
# the page has had time to give up.
board_expected=yes
wait_for_first_paint() {
    for _ in $(seq 300); do
        window=$(xdotool search --onlyvisible --name "$TITLE" 2>/dev/null | head -n 1)
        if [ -n "$window" ]; then
            eval "$(xdotool getwindowgeometry --shell "$window")"
            ORIGIN_X=$X ORIGIN_Y=$Y
            [ "$board_expected" = yes ] || { sleep 5; return; }
            screenshot
            colour_matches $disk_x "$(disk_y 0)" $DARK_RED >/dev/null && return
        fi
        sleep 0.2
    done
    echo "the board did not appear in 60 s"
}
# Text in the newest screenshot: dark pixels in the band a quarter of the
# window high around a place, where the page's messages stand.
has_dark_pixels() { # x y, twips
    band_height=$(((window_height / 4 * SCALE) / twips_per_pixel))
    dark=$(convert "$SHOT" -crop "$(((window_width * SCALE) / twips_per_pixel))x$band_height+$ORIGIN_X+$(($(screen_y "$2") - band_height / 2))" \
        +repage -colorspace Gray -threshold 30% -negate -format '%[fx:int(mean*w*h)]' info:)
    [ "$dark" -gt 100 ] || { echo "  $dark dark pixels where the page's messages stand"; return 1; }
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

# An upload in the wrong order, as an FTP client's alphabetical one, seen by
# a fresh browser, on Debian's nginx and then Apache with the page's
# configuration: the page up before the program's files, then those half
# written, which the browser keeps, then whole. No window while they are not
# all there, each looked at once the page has had time to give up, and at the
# reload after the upload the window, and a disk moves.
case_healing_upload() {
    coming=$(grep -o 'towers\.[0-9a-f]\{16\}\.\(wasm\|js\)' "$SITE/index.html" | sort -u)
    for server in nginx apache; do
        page=$WORK/$server-page
        cp -r "$SITE" "$page"
        chmod 755 "$page"
        for name in $coming; do
            rm "$page/$name" "$page/$name.br" "$page/$name.gz"
        done
        start_server $server "$page"

        board_expected=no
        start_program
        screenshot
        check "$server, the page before the program's files: no window" not_colour $disk_x "$(disk_y 0)" $DARK_RED
        for name in $coming; do
            for file in "$name" "$name.br" "$name.gz"; do
                head -c $(($(stat -c %s "$SITE/$file") / 2)) "$SITE/$file" >"$page/$file"
            done
        done
        keys F5
        wait_for_first_paint
        screenshot
        check "the files half written: no window" not_colour $disk_x "$(disk_y 0)" $DARK_RED
        for name in $coming; do
            cp "$SITE/$name" "$SITE/$name.br" "$SITE/$name.gz" "$page/"
        done
        board_expected=yes
        keys F5
        wait_for_first_paint
        expect_colour "the upload whole: at the reload the window is there" $disk_x "$(disk_y 0)" $DARK_RED
        move_disk 0 0 2
        expect_colour "and a disk moves" "$(on_peg 2)" "$(disk_y 0)" $DARK_RED
    done
    finish
}

# The page in a learning platform's frame: a page of another origin (the
# tests' server on another port) with the page's title and a frame of the
# window's size at its top left, once plainly and once sandboxed without
# allow-same-origin, on nginx with the page's configuration, which lets any
# origin load the page's files. In both the window is there, and a disk moves;
# but for WebKit's sandboxed frame, whose policy lets 'self' match nothing, so
# that the page cannot fetch its program: there it says so instead.
case_framed() {
    start_server nginx "$SITE"
    platform=$WORK/platform
    mkdir "$platform"
    for frame in plain sandboxed; do
        sandbox=""
        [ "$frame" = plain ] || sandbox=' sandbox="allow-scripts"'
        printf '<!DOCTYPE html><title>%s</title><body style="margin: 0"><iframe src="%s"%s width="%s" height="%s" style="border: 0; display: block"></iframe>\n' \
            "$TITLE" "$PROGRAM" "$sandbox" $((window_width / twips_per_pixel)) $((window_height / twips_per_pixel)) >"$platform/$frame.html"
    done
    node "$here/../web/serve.mjs" "$platform" >"$WORK/platform.log" 2>&1 &
    platform_pid=$!
    platform_address=$(address_in "$WORK/platform.log")
    for frame in plain sandboxed; do
        PROGRAM=$platform_address$frame.html
        if [ "$ENGINE" = webkit ] && [ "$frame" = sandboxed ]; then
            board_expected=no
            start_program
            screenshot
            check "$frame: no window" not_colour $disk_x "$(disk_y 0)" $DARK_RED
            check "$frame: the page says why" has_dark_pixels $((window_width / 2)) $((window_height / 2))
            board_expected=yes
            continue
        fi
        start_program
        expect_colour "$frame: the window is there" $disk_x "$(disk_y 0)" $DARK_RED
        move_disk 0 0 2
        expect_colour "$frame: a disk moves" "$(on_peg 2)" "$(disk_y 0)" $DARK_RED
    done
    kill "$platform_pid"
    finish
}

"case_$2"
