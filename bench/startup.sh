#!/bin/sh
# SPDX-FileCopyrightText: 2026 The Towers project
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Start-up and idle cost of the program against a bare Qt window with the same
# widgets (bench/baseline), on a virtual X display without a window manager.
#   bench/startup.sh [BUILD_DIR] [ROUNDS]
# Prints, for each, the medians over interleaved rounds (program, baseline,
# program, ...) after a warm-up of time to first paint, processor time by then
# and resident memory then; then the program's processor time and wake-ups
# while idle and during a demonstration.
set -eu
cd "$(dirname "$0")/.."
build=$(realpath "${1:-build}")
rounds=${2:-15}

if [ -z "${STARTUP_ON_XVFB:-}" ]; then
    STARTUP_ON_XVFB=1 exec xvfb-run -a -s "-screen 0 1024x768x24 -dpi 96 -br" "$0" "$build" "$rounds"
fi

probe() { # program -> "ms cpu_ms rss_kB": watches a background pixel at (400, 230)
    "$build/bench/firstpaint" 400 230 c0c0ff "$1" 2>/dev/null
}
median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

program=$build/towers
baseline=$build/bench/baseline
results=$(mktemp)
trap 'rm -f "$results"' EXIT

for _ in 1 2; do probe "$program" >/dev/null; probe "$baseline" >/dev/null; done
for _ in $(seq "$rounds"); do
    echo "program $(probe "$program")" >>"$results"
    echo "baseline $(probe "$baseline")" >>"$results"
done

echo "Start-up, medians over $rounds interleaved rounds:"
printf '%-28s %10s %10s %8s\n' "" program baseline ratio
column=2
for what in "first paint (ms)" "processor time by then (ms)" "memory then (RSS, kB)"; do
    a=$(awk -v c=$column '$1 == "program" { print $c }' "$results" | median)
    b=$(awk -v c=$column '$1 == "baseline" { print $c }' "$results" | median)
    printf '%-28s %10s %10s %8.3f\n' "$what" "$a" "$b" "$(echo "$a / $b" | bc -l)"
    column=$((column + 1))
done

# Idle: processor time (ns, all threads) and context switches, over 10 seconds.
cpu_ns() { cat /proc/"$1"/task/*/schedstat | awk '{ s += $1 } END { print s }'; }
switches() { cat /proc/"$1"/task/*/status | awk '/ctxt_switches/ { s += $2 } END { print s }'; }
measure() { # pid label
    c0=$(cpu_ns "$1") s0=$(switches "$1")
    sleep 10
    c1=$(cpu_ns "$1") s1=$(switches "$1")
    printf '%-42s %8.3f ms processor, %4d wake-ups\n' "$2" "$(echo "($c1 - $c0) / 1000000" | bc -l)" $((s1 - s0))
}

QT_QPA_PLATFORM=xcb "$program" 2>/dev/null &
pid=$!
xdotool search --sync --onlyvisible --name "Информатика - търсене с връщане назад" >/dev/null
sleep 2
echo
measure $pid "10 s idle after start-up:"
xdotool mousemove 48 13 click 1 # "Покажи"
sleep 0.5
measure $pid "10 s of a demonstration (5 ticks):"
kill $pid
