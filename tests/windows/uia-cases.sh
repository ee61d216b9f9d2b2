#!/bin/sh
# SPDX-FileCopyrightText: 2026 The Towers project
# SPDX-License-Identifier: GPL-3.0-or-later
#
# The cases of a Windows screen reader, on the virtual X display this runs on,
# under the Wine that uia-screen-reader.sh chose, read by our UI Automation
# client (TOWERS_UIA_TREE): what the desktop's screen reader reads (cases.sh's
# screen_reader), what it hears after a move, and a client that reads the
# tree while the pupil drags, a demonstration runs or the window closes.
#   uia-cases.sh PROGRAM CLOSE_WINDOW_HELPER CASE
PROGRAM=$1
CLOSE_WINDOW=$2
SCALE=1
e2e=$(cd "$(dirname "$0")/../e2e" && pwd)
. "$e2e/lib.sh"
. "$e2e/cases.sh"

# Events the client heard, a line each: event | role | name | what | value.
FULL_DESCRIPTION="property 30159"
start_listening() { # seconds
    # shellcheck disable=SC2086 # the launcher is a word
    $TOWERS_LAUNCHER "$TOWERS_UIA_TREE" "$TITLE" --events "$1" >"$WORK/events" 2>"$WORK/listener" &
    listener_pid=$!
    for _ in $(seq 100); do
        grep -q listening "$WORK/listener" && return 0
        sleep 0.1
    done
    echo "  the client did not start listening:"
    cat "$WORK/listener"
    return 1
}
heard() { # a line, as the client prints it
    for _ in $(seq 20); do
        grep -q -x -F "$1" "$WORK/events" && return 0
        sleep 0.25
    done
    echo "  not heard: $1"
    cat "$WORK/events"
    return 1
}

# After a move, the disks and pegs whose description changed say so: a
# screen reader that follows one reads it anew.
case_announcements() {
    start_program
    tree_says "frame | $TITLE |  |  | showing" >/dev/null
    if ! readable "property events" "what a screen reader hears after a move"; then
        finish
        return
    fi
    check "a client can listen" start_listening 20
    move_disk 0 0 2
    check "disk 1 now on the right peg" \
        heard "event | image | Диск 1, тъмночервен | $FULL_DESCRIPTION | На десния стълб, най-отгоре"
    check "the right peg holds it" heard "event | image | Десен стълб | $FULL_DESCRIPTION | 1 диск"
    check "disk 2 on top of the left peg now" \
        heard "event | image | Диск 2, оранжев | $FULL_DESCRIPTION | На левия стълб, най-отгоре"
    cp "$WORK/events" uia-events.txt
    kill "$listener_pid" 2>/dev/null || true
    finish
}

# The client reads the tree over and over while something else goes on; it
# must end, whole or broken off, and the program go on as if nobody read.
start_walking() { # seconds
    # shellcheck disable=SC2086 # the launcher is a word
    $TOWERS_LAUNCHER "$TOWERS_UIA_TREE" "$TITLE" --walks "$1" >"$WORK/walks" 2>&1 &
    walker_pid=$!
}
walker_ends() {
    for _ in $(seq 600); do
        kill -0 "$walker_pid" 2>/dev/null || break
        sleep 0.1
    done
    if kill -0 "$walker_pid" 2>/dev/null; then
        echo "  the client still walks after a minute"
        kill "$walker_pid"
        return 1
    fi
    status=0
    wait "$walker_pid" || status=$?
    echo "  $(cat "$WORK/walks")"
    [ "$status" -eq 0 ] || { echo "  the client ended with status $status"; return 1; }
}

case_uia_while_dragging() {
    start_program
    start_walking 10
    move_disk 0 0 2
    move_disk 1 0 1
    move_disk 0 2 1
    check "the client ends" walker_ends
    expect_colour "disk 1 on disk 2 on the middle peg" "$(on_peg 1)" "$(disk_y 0)" $DARK_RED
    check "three moves counted" is_counter 3
    finish
}

case_uia_during_demo() {
    start_program
    click $show_x $buttons_y
    start_walking 10
    check "the client ends" walker_ends
    screenshot
    check "the demonstration moves disk 1" eventually not_colour $disk_x "$(disk_y 0)" $DARK_RED
    finish
}

case_uia_while_closing() {
    start_program
    start_walking 10
    sleep 1
    close_and_expect_clean_exit
    check "the client ends" walker_ends
    finish
}

"case_$3"
