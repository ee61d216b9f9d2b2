#!/bin/sh
# SPDX-FileCopyrightText: 2026 The Towers project
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Start-up and idle cost of the program against two bare Qt windows, on a
# virtual X display without a window manager: bench/baseline, the program's
# widgets, places, colours, font and text with no logic, and bench/bare, as
# many widgets with all of Qt's defaults.
#   bench/startup.sh [BUILD_DIR] [ROUNDS]
# After a warm-up, each round starts the three one after the other (in an
# order that turns with the round) and takes, for each, the time from the start
# of its process to its first paint, the processor time by then and the
# resident memory then. Prints the medians, and the program's ratio to each
# window: the median of the per-round ratios with their smallest and largest,
# so that a few per cent can be told from noise. Then the program's processor
# time and wake-ups while idle and during a demonstration.
set -eu
cd "$(dirname "$0")/.."
build=$(realpath "${1:-build}")
rounds=${2:-21}

if [ -z "${STARTUP_ON_XVFB:-}" ]; then
    STARTUP_ON_XVFB=1 exec scripts/lib/virtual-display.sh "$0" "$build" "$rounds"
fi

# Each window's background at (400, 230) is the pixel watched for its first paint.
probe() { # name -> "ms cpu_ms rss_kB"
    case $1 in
    program) "$build/bench/firstpaint" 400 230 c0c0ff "$build/towers" 2>/dev/null ;;
    baseline) "$build/bench/firstpaint" 400 230 c0c0ff "$build/bench/baseline" 2>/dev/null ;;
    bare) "$build/bench/firstpaint" 400 230 efefef "$build/bench/bare" 2>/dev/null ;;
    esac
}
median() { sort -g | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

results=$(mktemp)
trap 'rm -f "$results"' EXIT

for _ in 1 2; do for name in program baseline bare; do probe $name >/dev/null; done; done
for round in $(seq "$rounds"); do
    case $((round % 3)) in
    0) order="program baseline bare" ;;
    1) order="baseline bare program" ;;
    2) order="bare program baseline" ;;
    esac
    for name in $order; do echo "$round $name $(probe $name)" >>"$results"; done
done

value() { # name column -> one value a round
    awk -v n="$1" -v c="$2" '$2 == n { print $c }' "$results"
}
ratios() { # name column -> the program's ratio to name, one a round
    awk -v n="$1" -v c="$2" '$2 == "program" { p[$1] = $c } $2 == n { b[$1] = $c }
        END { for (r in p) if (r in b) print p[r] / b[r] }' "$results"
}
echo "Start-up, medians over $rounds interleaved rounds; ratio: median [min, max] of the rounds' ratios"
printf '%-24s %9s %9s %9s   %-24s %-24s\n' "" program baseline bare "program / baseline" "program / bare"
column=3
for what in "first paint (ms)" "processor time (ms)" "memory then (RSS, kB)"; do
    spread() { ratios "$1" $column | sort -g | awk '{ v[NR] = $1 } END {
        m = (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2
        printf "%.3f [%.3f, %.3f]", m, v[1], v[NR] }'; }
    printf '%-24s %9s %9s %9s   %-24s %-24s\n' "$what" "$(value program $column | median)" \
        "$(value baseline $column | median)" "$(value bare $column | median)" \
        "$(spread baseline)" "$(spread bare)"
    column=$((column + 1))
done

# Idle: processor time (ns, all threads) and context switches, over 10 seconds.
cpu_ns() { cat /proc/"$1"/task/*/schedstat | awk '{ s += $1 } END { print s }'; }
switches() { cat /proc/"$1"/task/*/status | awk '/ctxt_switches/ { s += $2 } END { print s }'; }
measure() { # pid label
    c0=$(cpu_ns "$1") s0=$(switches "$1")
    sleep 10
    c1=$(cpu_ns "$1") s1=$(switches "$1")
    printf '%-42s %8.3f ms processor, %4d wake-ups\n' "$2" "$(awk -v d=$((c1 - c0)) 'BEGIN { print d / 1e6 }')" $((s1 - s0))
}

QT_QPA_PLATFORM=xcb "$build/towers" 2>/dev/null &
pid=$!
xdotool search --sync --onlyvisible --pid "$pid" >/dev/null
sleep 2
echo
measure $pid "10 s idle after start-up:"
xdotool mousemove 48 13 click 1 # "Покажи"
sleep 0.5
measure $pid "10 s of a demonstration (5 ticks):"
kill $pid
