# Shared by the end-to-end checks: start the built program on the virtual X
# display this script runs on, drive it with real pointer events and read what
# it shows from screenshots. Places are given in twips, as the window's design
# gives them, and turned into screen pixels here.

set -eu

TITLE="Информатика - търсене с връщане назад"
SHOT=$(mktemp --suffix=.png)
failures=0
program_pid=""

stop_program() {
    if [ -n "$program_pid" ]; then
        kill "$program_pid" 2>/dev/null || true
        wait "$program_pid" 2>/dev/null || true
    fi
    program_pid=""
}
trap 'stop_program; rm -f "$SHOT"' EXIT

# Starts a fresh program and finds its window's client area on the screen.
start_program() {
    stop_program
    QT_QPA_PLATFORM=xcb "$PROGRAM" &
    program_pid=$!
    window=$(xdotool search --sync --onlyvisible --name "$TITLE" | head -n 1)
    eval "$(xdotool getwindowgeometry --shell "$window")"
    ORIGIN_X=$X
    ORIGIN_Y=$Y
    WINDOW_WIDTH=$WIDTH
    WINDOW_HEIGHT=$HEIGHT
    sleep 0.5 # the first paint
}

px() { echo $((($1 + 7) / 15)); }
screen_x() { echo $((ORIGIN_X + $(px "$1"))); }
screen_y() { echo $((ORIGIN_Y + $(px "$1"))); }

# Moves the pointer and waits until the server has it there. xdotool's own wait
# hangs for seconds when the pointer is already in place, so that case is skipped.
move_to() { # x y, twips
    to_x=$(screen_x "$1") to_y=$(screen_y "$2")
    eval "$(xdotool getmouselocation --shell)"
    if [ "$X" != "$to_x" ] || [ "$Y" != "$to_y" ]; then
        xdotool mousemove --sync "$to_x" "$to_y"
    fi
}

# Presses the left button at one place, moves in steps and releases at another.
drag() { # from_x from_y to_x to_y, twips
    move_to "$1" "$2"
    xdotool mousedown 1
    move_to $((($1 + $3) / 2)) $((($2 + $4) / 2))
    move_to "$3" "$4"
    xdotool mouseup 1
    sleep 0.2
}

click() { # x y, twips
    move_to "$1" "$2"
    xdotool click 1
    sleep 0.2
}

# The colour shown at a place, as "r,g,b".
colour_at() { # x y, twips
    import -window root "$SHOT"
    convert "$SHOT" -format "%[fx:int(255*p{$(screen_x "$1"),$(screen_y "$2")}.r)],%[fx:int(255*p{$(screen_x "$1"),$(screen_y "$2")}.g)],%[fx:int(255*p{$(screen_x "$1"),$(screen_y "$2")}.b)]" info:
}

expect_colour() { # what x y r,g,b
    actual=$(colour_at "$2" "$3")
    if [ "$actual" = "$4" ]; then
        echo "ok: $1"
    else
        echo "FAIL: $1: colour $actual at ($2, $3) twips, expected $4"
        failures=$((failures + 1))
    fi
}

finish() {
    stop_program
    [ "$failures" -eq 0 ]
}
