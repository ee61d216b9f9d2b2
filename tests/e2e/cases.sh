# SPDX-FileCopyrightText: 2026 The Towers project
# SPDX-License-Identifier: GPL-3.0-or-later
#
# The end-to-end cases; each starts a fresh program. Places are in twips:
# where the controls are comes from the window's design (lib.sh reads it:
# disk_x, disk_y, peg_x, band_y, the buttons', option_x, option_y); what the
# cases expect there is written here.

on_peg() { echo $((disk_x + 3000 * $1)); }

move_disk() { # disk from_peg to_peg
    drag "$(on_peg "$2")" "$(disk_y "$1")" "$(peg_x "$3")" $band_y
}

case_startup() {
    start_program
    check "title" [ "$(xdotool getwindowname "$FORM_WINDOW")" = "$WINDOW_NAME" ]
    check "client area 670 x 424" [ "$WINDOW_WIDTH" -eq $((670 * SCALE)) \
        -a "$WINDOW_HEIGHT" -eq $((424 * SCALE)) ]
    screenshot
    check "background" is_colour 3800 2000 $FORM_BLUE
    for p in 0 1 2; do
        check "peg $p" is_colour "$(peg_x $p)" 1700 $BROWN
        check "peg $p is 1140 twips high" is_colour "$(peg_x $p)" 1800 $FORM_BLUE
    done
    check "disk 0" is_colour $disk_x "$(disk_y 0)" $DARK_RED
    check "disk 1" is_colour $disk_x "$(disk_y 1)" $ORANGE
    check "disk 2" is_colour $disk_x "$(disk_y 2)" $DARK_YELLOW
    check "disk 3 hidden" is_colour $disk_x "$(disk_y 3)" $FORM_BLUE
    check "show button" is_colour 200 $buttons_y $TURQUOISE
    check "step-back button" is_colour 1760 $buttons_y $GREEN
    check "start-over button" is_colour 7640 $buttons_y $RED
    check "title label" is_colour 3300 300 $PEACH
    check "disk-count button 3" is_colour 690 "$(option_y 2)" $DARK_YELLOW
    check "disk-count button 10" is_colour 690 "$(option_y 9)" $PURPLE
    check "counter empty" counter_is_empty
    finish
}

case_window_manager_hints() {
    start_program
    check "fixed size, close button only, an icon" window_rules
    finish
}

case_drags() {
    start_program
    move_disk 0 0 2
    expect_colour "disk 0 dropped on the right peg" "$(on_peg 2)" "$(disk_y 0)" $DARK_RED
    check "the left peg shows where disk 0 was" is_colour $disk_x "$(disk_y 0)" $BROWN
    move_disk 1 0 2
    expect_unchanged "disk 1 refused by the narrower disk 0" $disk_x "$(disk_y 1)" $ORANGE
    move_disk 1 0 1
    expect_colour "disk 1 dropped on the middle peg" "$(on_peg 1)" "$(disk_y 1)" $ORANGE
    move_disk 2 0 2
    expect_unchanged "disk 2 refused on the right peg" $disk_x "$(disk_y 2)" $DARK_YELLOW
    drag $disk_x "$(disk_y 1)" "$(peg_x 2)" $band_y
    expect_unchanged "disk 1 lies under disk 2 and cannot be picked up" "$(on_peg 1)" "$(disk_y 1)" $ORANGE
    check "two moves counted" is_counter 2
    finish
}

case_off_peg_drops() {
    start_program
    for place in "bare window:3800 2000" "frame:60 600" "disk-count button:$option_x $(option_y 5)" \
        "button:$show_x $buttons_y" "instructions:3000 5000" "title label:5000 200" \
        "counter:9400 200" "outside the window:10600 3000" "its own disk:$disk_x $(disk_y 0)"; do
        where=${place#*:}
        drag $disk_x "$(disk_y 0)" ${where% *} ${where#* }
        expect_unchanged "a release over the ${place%%:*} leaves disk 0" $disk_x "$(disk_y 0)" $DARK_RED
    done
    check "nothing counted" counter_is_empty
    finish
}

case_step_back() {
    start_program
    move_disk 0 0 2
    move_disk 1 0 1
    click $step_back_x $buttons_y
    expect_colour "first press leaves disk 1 on the middle peg" "$(on_peg 1)" "$(disk_y 1)" $ORANGE
    check "counter 1" is_counter 1
    click $step_back_x $buttons_y
    expect_colour "second press puts disk 1 back" $disk_x "$(disk_y 1)" $ORANGE
    check "disk 0 still on the right peg" is_colour "$(on_peg 2)" "$(disk_y 0)" $DARK_RED
    check "counter 0" is_counter 0
    click $step_back_x $buttons_y
    click $step_back_x $buttons_y
    expect_colour "back at the start" $disk_x "$(disk_y 0)" $DARK_RED
    check "counter stays 0" counter_stays 0
    finish
}

case_start_over() {
    start_program
    click $option_x "$(option_y 4)"
    move_disk 0 0 1
    move_disk 1 0 2
    click $start_over_x $buttons_y
    screenshot
    check "disk 0 back on the left peg" is_colour $disk_x "$(disk_y 0)" $DARK_RED
    check "disk 1 back on the left peg" is_colour $disk_x "$(disk_y 1)" $ORANGE
    check "five disks kept" is_colour $disk_x "$(disk_y 4)" $TURQUOISE
    check "counter empty" counter_is_empty
    finish
}

case_disk_counts() {
    start_program
    click $option_x "$(option_y 0)"
    click $option_x "$(option_y 1)"
    expect_unchanged "the greyed 1 and 2 keep three disks" $disk_x "$(disk_y 2)" $DARK_YELLOW
    click $option_x "$(option_y 9)"
    screenshot
    check "ten disks: disk 9 shown" is_colour $disk_x "$(disk_y 9)" $PURPLE
    check "ten disks: pegs 3135 twips high" is_colour "$(peg_x 1)" 3700 $BROWN
    move_disk 0 0 1
    click $step_back_x $buttons_y
    check "ten disks: step back is disabled" counter_stays 1
    click $option_x "$(option_y 3)"
    screenshot
    check "four disks: disk 4 hidden" is_colour $disk_x "$(disk_y 4)" $FORM_BLUE
    check "four disks: counter cleared" counter_is_empty
    move_disk 0 0 1
    click $step_back_x $buttons_y
    expect_counter "four disks: step back works again" 0
    finish
}

case_demo() {
    start_program
    click $show_x $buttons_y
    sleep 2.4
    screenshot
    if colour_matches "$(on_peg 2)" "$(disk_y 0)" $DARK_RED >/dev/null; then
        echo "ok: first move of a 3 or 5 disk demonstration"
    else
        check "first move of a 4 disk demonstration" is_colour "$(on_peg 1)" "$(disk_y 0)" $DARK_RED
    fi
    check "counter 1" is_counter 1
    finish
}

case_whole_game() {
    start_program
    for move in "0 0 2" "1 0 1" "0 2 1" "2 0 2" "0 1 0" "1 1 2" "0 0 2"; do
        move_disk $move
    done
    screenshot
    for d in 0 1 2; do
        check "disk $d on the right peg" is_colour "$(on_peg 2)" "$(disk_y $d)" \
            "$(echo "$DARK_RED $ORANGE $DARK_YELLOW" | cut -d' ' -f$((d + 1)))"
        check "the left peg is bare at slot $d" is_colour $disk_x "$(disk_y $d)" $BROWN
    done
    check "seven moves counted" is_counter 7
    finish
}

case_keyboard() {
    start_program
    move_disk 0 0 2
    # From the instructions: the selected disk-count button, three pegs, the
    # two top disks, then start over.
    keys Tab Tab Tab Tab Tab Tab Tab space
    expect_colour "Space on start over resets" $disk_x "$(disk_y 0)" $DARK_RED
    check "counter empty" counter_is_empty
    move_disk 0 0 1
    # The focus stayed on start over; on to show, then step back.
    keys Tab Tab space
    expect_counter "Space on step back" 0
    finish
}

# Selected instruction text dragged onto the board: a drag of the text box's
# own, which must end where it is let go and leave the board to the player.
case_text_drag() {
    start_program
    drag 1000 4100 6000 4100
    drag 3000 4100 "$(peg_x 2)" $band_y
    move_disk 0 0 2
    expect_colour "a disk moves after the text drag" "$(on_peg 2)" "$(disk_y 0)" $DARK_RED
    check "counter 1" is_counter 1
    finish
}

# Closing the window must end the program with status 0, also mid-drag or mid-demonstration.
close_and_expect_clean_exit() {
    "$CLOSE_WINDOW" "$FORM_WINDOW"
    for _ in $(seq 50); do
        kill -0 "$program_pid" 2>/dev/null || break
        sleep 0.1
    done
    status=0
    wait "$program_pid" || status=$?
    program_pid=""
    check "exit status 0 (was $status)" [ "$status" -eq 0 ]
}

case_close_during_drag() {
    start_program
    move_to $disk_x "$(disk_y 0)"
    xdotool mousedown 1
    move_to 5000 2000
    close_and_expect_clean_exit
    xdotool mouseup 1
    finish
}

case_close_during_demo() {
    start_program
    click $show_x $buttons_y
    sleep 2.4
    close_and_expect_clean_exit
    finish
}

# On a Wayland desktop with XWayland (wayland.sh), the program is an X client:
# the desktop draws its frame from the same hints as on X. What the pupil sees
# is the compositor's picture, kept as wayland-desktop.png beside the test.
case_wayland() {
    start_program
    check "the program's own window, an X client of the desktop's XWayland" \
        [ "$(xprop -id "$FORM_WINDOW" _NET_WM_PID | sed 's/.* = //')" = "$program_pid" ]
    check "title" [ "$(xdotool getwindowname "$FORM_WINDOW")" = "$TITLE" ]
    check "client area 670 x 424" [ "$WINDOW_WIDTH" -eq 670 -a "$WINDOW_HEIGHT" -eq 424 ]
    # The window's background, less the controls on it: its pixels on the
    # desktop show that the compositor draws the window whole. On a busy
    # machine the compositor may draw it a moment after it is mapped.
    blue=0
    for _ in $(seq 20); do
        rm -f "$WORK"/wayland-screenshot*.png
        (cd "$WORK" && weston-screenshooter >/dev/null 2>&1)
        desktop=$(ls "$WORK"/wayland-screenshot*.png 2>/dev/null | head -n 1)
        [ -n "$desktop" ] || break
        blue=$(convert "$desktop" -fill black +opaque "rgb($FORM_BLUE)" -fill white -opaque "rgb($FORM_BLUE)" \
            -format '%[fx:int(mean*w*h)]' info:)
        [ "$blue" -gt 100000 ] && break
        sleep 0.25
    done
    check "a screenshot of the desktop" [ -n "$desktop" ]
    [ -z "$desktop" ] || cp "$desktop" wayland-desktop.png
    check "the window on the desktop ($blue background pixels)" [ "$blue" -gt 100000 ]
    finish
}

# What a screen reader reads: through AT-SPI on Linux (screen-reader.sh), of
# the program or of a browser's page (web.sh sets ENGINE); through UI
# Automation under Wine (uia-screen-reader.sh names our client in
# TOWERS_UIA_TREE). Both print the tree alike, a line an object; UI
# Automation leaves out what is hidden, AT-SPI marks it so. The window is a
# frame, or the page's document; its counter an edit, "text" or "entry".
ACCESSIBLE_WINDOW=${ACCESSIBLE_WINDOW:-frame}
ACCESSIBLE_EDIT=${ACCESSIBLE_EDIT:-text}
accessible_tree() {
    if [ -n "${TOWERS_UIA_TREE:-}" ]; then
        # shellcheck disable=SC2086 # the launcher is a word
        $TOWERS_LAUNCHER "$TOWERS_UIA_TREE" "$TITLE" >"$WORK/tree" 2>&1
    elif [ -n "${ENGINE:-}" ]; then
        "$(dirname "$0")/accessible-tree.py" --document "$TITLE" >"$WORK/tree" 2>&1
    else
        "$(dirname "$0")/accessible-tree.py" "$(basename "$PROGRAM" .exe)" >"$WORK/tree" 2>&1
    fi
}
in_tree() { # a line, as the tree is printed, without its indent
    sed 's/^ *//' "$WORK/tree" | grep -q -x -F "$1" || { echo "  not in the tree: $1"; cat "$WORK/tree"; return 1; }
}
# The lines just below the group's line, indented deeper, without their indent.
in_group() { # group_line expected_lines
    actual=$(awk -v group="$1" '
        inside && match($0, /^ */) && RLENGTH <= depth { exit }
        inside { sub(/^ */, ""); print }
        { line = $0; sub(/^ */, "", line) }
        line == group { inside = 1; match($0, /^ */); depth = RLENGTH }' "$WORK/tree")
    [ "$actual" = "$2" ] || { printf '  in the group:\n%s\n  expected:\n%s\n' "$actual" "$2"; return 1; }
}
no_english() { # in any name, description or value
    english=$(awk -F ' [|] ' '{ print $2 " | " $3 " | " $4 }' "$WORK/tree" | grep -E '[A-Za-z]{2,}' || true)
    [ -z "$english" ] || { echo "  English: $english"; return 1; }
}
# Whether the tree can show an edit's value, a radio button's state or
# property events: AT-SPI can; UI Automation says (uia-tree --can), as Wine
# 10's cannot yet, which is said, and the check waits for a Wine that can.
readable() { # value|selection|property events, what cannot be checked then
    [ -n "${TOWERS_UIA_TREE:-}" ] || return 0
    # shellcheck disable=SC2086 # the launcher is a word
    $TOWERS_LAUNCHER "$TOWERS_UIA_TREE" "$TITLE" --can >"$WORK/can" 2>&1
    grep -q "^$1: yes" "$WORK/can" && return 0
    echo "skip: $2, as this UI Automation cannot: $(grep "^$1:" "$WORK/can" || cat "$WORK/can")"
    return 1
}
# Reads the tree again until a line is in it, for a few seconds: a screen
# reader hears of a move a moment after it is drawn.
tree_says() {
    for _ in $(seq 20); do
        accessible_tree && in_tree "$1" >/dev/null && return 0
        sleep 0.25
    done
    in_tree "$1"
}
disk_count_buttons() { # the chosen count, or none where the state cannot be read
    for n in 1 2 3 4 5 6 7 8 9 10; do
        states=showing
        [ "$n" = "$1" ] && states="$states checked"
        [ "$n" -le 2 ] && states="$states disabled"
        echo "radio button | $n |  |  | $states"
    done
}
case_screen_reader() {
    start_program
    # A browser fills its tree a moment after it first answers.
    check "the button Покажи" tree_says "push button | Покажи |  |  | showing"
    cp "$WORK/tree" accessible-tree-start.txt
    check "the window, named by its title" in_tree "$ACCESSIBLE_WINDOW | $TITLE |  |  | showing"
    for button in "Ход назад" Начало; do
        check "the button $button" in_tree "push button | $button |  |  | showing"
    done
    check "the counter, empty" in_tree "$ACCESSIBLE_EDIT | Брояч на ходовете |  |  | showing"
    if readable value "the instructions' text, the counter's count"; then
        check "the instructions" grep -q "$ACCESSIBLE_EDIT | Указания |  | Задачата за Дорелски кули" "$WORK/tree"
        values=yes
    else
        check "the instructions, named" grep -q "$ACCESSIBLE_EDIT | Указания | " "$WORK/tree"
        values=no
    fi
    chosen=3
    readable selection "which disk count is chosen" || chosen=none
    check "the group of disk counts: ten buttons, $chosen chosen, 1 and 2 not to be chosen" \
        in_group "panel | Брой дискове |  |  | showing" "$(disk_count_buttons $chosen)"
    check "the left peg holds three disks" in_tree "image | Ляв стълб | 3 диска |  | showing"
    check "the middle peg none" in_tree "image | Среден стълб | Няма дискове |  | showing"
    check "disk 1 on top of the left peg" in_tree "image | Диск 1, тъмночервен | На левия стълб, най-отгоре |  | showing"
    check "disk 3 under a narrower one, not to be picked up" \
        in_tree "image | Диск 3, тъмножълт | На левия стълб, под по-малък диск |  | showing disabled"
    check "no fourth disk shows" eval '! grep -q "Диск 4, зелен .* showing" "$WORK/tree"'
    check "no English word" no_english
    move_disk 0 0 2
    move_disk 1 0 1
    if [ "$values" = yes ]; then
        check "the counter counts two moves" tree_says "$ACCESSIBLE_EDIT | Брояч на ходовете |  | 2 | showing"
    else
        check "disk 1 moved" tree_says "image | Диск 1, тъмночервен | На десния стълб, най-отгоре |  | showing"
    fi
    cp "$WORK/tree" accessible-tree.txt # what a screen reader reads, kept beside the test
    check "disk 1 on the right peg" in_tree "image | Диск 1, тъмночервен | На десния стълб, най-отгоре |  | showing"
    check "disk 2 on the middle peg" in_tree "image | Диск 2, оранжев | На средния стълб, най-отгоре |  | showing"
    check "disk 3 alone on the left peg" in_tree "image | Диск 3, тъмножълт | На левия стълб, най-отгоре |  | showing"
    for peg in Ляв Среден Десен; do
        check "one disk on the peg \"$peg стълб\"" in_tree "image | $peg стълб | 1 диск |  | showing"
    done
    check "no fourth disk shows" eval '! grep -q "Диск 4, зелен .* showing" "$WORK/tree"'
    finish
}
