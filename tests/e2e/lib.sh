# SPDX-FileCopyrightText: 2026 The Towers project
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Shared by the end-to-end cases: start the built program on the virtual X
# display this script runs on, drive it with real pointer and keyboard events,
# and read what it shows from screenshots. Places are given in twips, as the
# window's design gives them, and turned into screen pixels here, at the scale
# factor the case runs with.

set -eu

# The window's title and the places its controls are at, which ctest gives
# every test (tests/CMakeLists.txt).
TITLE=$TOWERS_WINDOW_TITLE
WINDOW_NAME=$TITLE # what the window system calls the window, which a browser may add to
. "$TOWERS_PLACES"
SCALE=${SCALE:-1}
# The Windows build runs under Wine on the same display, through its own
# platform plugin; TOWERS_LAUNCHER names the Wine loader then. An empty
# TOWERS_QPA leaves the choice to the program, as a desktop's launcher does.
QPA=${TOWERS_QPA-xcb}
WORK=$(mktemp -d)
SHOT=$WORK/shot.png
LOG=$WORK/program.log
program_pid=""
. "$(dirname "$0")/../checks.sh"

FORM_BLUE=192,192,255
BROWN=128,64,64
DARK_RED=192,0,0
ORANGE=255,128,0
DARK_YELLOW=192,192,0
PURPLE=128,0,128
TURQUOISE=0,192,192
GREEN=0,255,0
RED=255,0,0
PEACH=255,192,128

stop_program() {
    if [ -n "$program_pid" ]; then
        kill "$program_pid" 2>/dev/null || true
        wait "$program_pid" 2>/dev/null || true
    fi
    program_pid=""
}
trap 'stop_program; rm -rf "$WORK"' EXIT

wait_for_first_paint() { sleep 0.5; }

# Starts a fresh program and finds its window's client area on the screen.
start_program() {
    stop_program
    # Wine hands WINEQT_ variables to Windows programs under their QT_ names.
    # shellcheck disable=SC2086 # the launcher, Wine for the Windows build, is a word or none
    QT_QPA_PLATFORM=$QPA QT_SCALE_FACTOR=$SCALE WINEQT_QPA_PLATFORM=$QPA WINEQT_SCALE_FACTOR=$SCALE \
        ${TOWERS_LAUNCHER:-} "$PROGRAM" 2>"$LOG" &
    program_pid=$!
    # xdotool's search fails when a window it looks at goes away meanwhile, as
    # Wine's passing windows do at start-up: search again, for a minute at most.
    for _ in $(seq 600); do
        xdotool search --onlyvisible --name "$TITLE" >/dev/null 2>&1 && break
        sleep 0.1
    done
    wait_for_first_paint
    # Wine may put a second X window in place of the first one it showed: the
    # window is the one still there, alone, after the first paint.
    geometry=""
    for _ in $(seq 20); do
        windows=$(xdotool search --onlyvisible --name "$TITLE" 2>/dev/null || true)
        if [ "$(echo "$windows" | wc -l)" -eq 1 ] \
            && geometry=$(xdotool getwindowgeometry --shell "$windows" 2>/dev/null); then
            break
        fi
        sleep 0.1
    done
    if [ -z "$geometry" ]; then
        echo "no single window titled $TITLE: $windows"
        kill -0 "$program_pid" 2>/dev/null && echo "the program is still running" || echo "the program has ended"
        echo "its output:"
        cat "$LOG"
        echo "the display's windows: $(xdotool search --name '.' 2>&1 | wc -l), on $DISPLAY"
        exit 1
    fi
    FORM_WINDOW=$windows
    eval "$geometry"
    ORIGIN_X=$X
    ORIGIN_Y=$Y
    WINDOW_WIDTH=$WIDTH
    WINDOW_HEIGHT=$HEIGHT
}

screen_x() { echo $((ORIGIN_X + ($1 * SCALE + twips_per_pixel / 2) / twips_per_pixel)); }
screen_y() { echo $((ORIGIN_Y + ($1 * SCALE + twips_per_pixel / 2) / twips_per_pixel)); }

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

# The display runs no window manager. Keys go to the window under the pointer,
# which Qt on X takes, but Wine takes them only once its window has the input
# focus, as a window manager would give it on a click.
keys() {
    xdotool windowfocus --sync "$FORM_WINDOW"
    sleep 0.2 # for the program to take the focus in
    xdotool key --delay 50 "$@"
    sleep 0.2
}

screenshot() { import -window root "$SHOT"; }

# The colour shown at a place in the newest screenshot, as "r,g,b".
colour_at() { # x y, twips
    at="p{$(screen_x "$1"),$(screen_y "$2")}"
    convert "$SHOT" -format "%[fx:int(255*$at.r)],%[fx:int(255*$at.g)],%[fx:int(255*$at.b)]" info:
}

# A program or a browser may draw a moment late on a busy machine: a look
# that finds the screen otherwise is taken again, from new screenshots, for
# three seconds at most, before it counts.
eventually() {
    for _ in 1 2 3 4 5 6 7 8 9 10 11 12; do
        "$@" >/dev/null && return 0
        sleep 0.25
        screenshot
    done
    "$@"
}

colour_matches() { # x y r,g,b
    actual=$(colour_at "$1" "$2")
    [ "$actual" = "$3" ] || { echo "  colour $actual at ($1, $2) twips, expected $3"; return 1; }
}
is_colour() { eventually colour_matches "$@"; }
not_colour() { # x y r,g,b
    actual=$(colour_at "$1" "$2")
    [ "$actual" != "$3" ] || { echo "  colour $actual at ($1, $2) twips"; return 1; }
}

expect_colour() { # what x y r,g,b
    screenshot
    check "$1" is_colour "$2" "$3" "$4"
}

# A check that the screen did not change (a refused move, a disabled button)
# must not judge before a wrong repaint could arrive: it lets the program
# settle first, a second at least, then until two screenshots half a second
# apart are the same, for ten seconds at most, and judges the last one once.
settle() {
    sleep 1
    screenshot
    for _ in $(seq 18); do
        cp "$SHOT" "$WORK/settling.png"
        sleep 0.5
        screenshot
        [ "$(compare -metric AE "$WORK/settling.png" "$SHOT" null: 2>&1)" = 0 ] && return 0
    done
    echo "  (the screen still changed after ten seconds; judged as it is)"
}
stays_colour() { settle; colour_matches "$@"; }
expect_unchanged() { # what x y r,g,b
    check "$1" stays_colour "$2" "$3" "$4"
}

# The inside of the move counter in the newest screenshot, its frame left out.
counter_crop() {
    inset=$((3 * SCALE))
    echo "-crop $(((counter_width * SCALE) / twips_per_pixel))x$(((counter_height * SCALE) / twips_per_pixel))+$(screen_x $counter_left)+$(screen_y $counter_top) +repage -shave ${inset}x$inset"
}

# The digits the move counter shows, read by OCR from the newest screenshot;
# a minus sign too, which a counter gone wrong could show.
counter_text() {
    # shellcheck disable=SC2046 # the crop's words
    convert "$SHOT" $(counter_crop) -colorspace Gray -resize "$((400 / SCALE))%" \
        -threshold 60% -bordercolor white -border 20 "$WORK/counter.png"
    tesseract "$WORK/counter.png" - --psm 7 -c tessedit_char_whitelist=-0123456789 2>/dev/null \
        | tr -d '[:space:]'
}

counter_matches() {
    actual=$(counter_text)
    [ "$actual" = "$1" ] || { echo "  counter reads '$actual', expected '$1'"; return 1; }
}
counter_stays() { settle; counter_matches "$@"; }
is_counter() { eventually counter_matches "$@"; }

expect_counter() { # what text
    screenshot
    check "$1" is_counter "$2"
}

# The counter shows nothing: not one dark pixel inside it, which OCR could
# miss where it reads a digit as nothing.
counter_has_no_dark_pixel() {
    # shellcheck disable=SC2046 # the crop's words
    dark=$(convert "$SHOT" $(counter_crop) -colorspace Gray -threshold 50% -negate -format '%[fx:int(mean*w*h)]' info:)
    [ "$dark" -eq 0 ] || { echo "  $dark dark pixels in the counter"; return 1; }
}
counter_is_empty() { eventually counter_has_no_dark_pixel; }

# What the window asks of a window manager: a fixed size (the smallest and the
# largest both the client area), a title bar with a close button but neither a
# minimise nor a maximise button, and an icon.
window_rules() {
    hints=$(xprop -id "$FORM_WINDOW" WM_NORMAL_HINTS)
    size="$WINDOW_WIDTH by $WINDOW_HEIGHT"
    echo "$hints" | grep -q "minimum size: $size" && echo "$hints" | grep -q "maximum size: $size" \
        || { echo "  not fixed at $size: $hints"; return 1; }
    # flags, functions, decorations; minimise and maximise are 0x8 and 0x10
    # among the functions, 0x20 and 0x40 among the decorations.
    motif=$(xprop -id "$FORM_WINDOW" -notype _MOTIF_WM_HINTS | sed 's/.*= //; s/,//g')
    set -- $motif
    [ $(($1 & 3)) -eq 3 ] && [ $(($2 & 0x18)) -eq 0 ] && [ $(($3 & 0x60)) -eq 0 ] \
        && [ $(($3 & 0x8)) -ne 0 ] \
        || { echo "  minimise, maximise or title in the Motif hints: $motif"; return 1; }
    xprop -id "$FORM_WINDOW" _NET_WM_ICON | grep -q 'Icon (' || { echo "  no icon"; return 1; }
}

no_sanitizer_report() {
    if grep -q -E 'Sanitizer|runtime error' "$LOG"; then
        cat "$LOG"
        return 1
    fi
}

finish() {
    stop_program
    check "no sanitizer report" no_sanitizer_report
    checks_passed
}
