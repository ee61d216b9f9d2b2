#!/bin/sh
# SPDX-FileCopyrightText: 2026 The Towers project
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Where start-up goes: the program, the same-widgets window (bench/baseline)
# and the bare window of Qt's defaults (bench/bare) each run under callgrind on
# a virtual X display until their window shows and settles, then the
# instructions spent in the functions that tell them apart are listed side by
# side. callgrind counts instructions, not seconds, so the figures repeat
# whatever else the machine is doing (no perf, so no need to lower
# kernel.perf_event_paranoid). Needs valgrind.
#   bench/profile-startup.sh [BUILD_DIR]
#
# On 2026-12-08 (Debian 12, Qt 6.4.2) it showed, in millions of instructions:
# - the program 83.2, the same-widgets window 76.6. Of the 6.7 between them,
#   4.3 were the window icon (QIcon::addFile: 2.2 for the image plugins' scan
#   behind QImageReader::format(), 1.9 for decoding the three PNGs), now built
#   in as bare pixels, and about 1.8 the real instruction text's longer layout
#   and paint;
# - then 2.8 were Qt's default font, matched and loaded only because a line
#   edit lays out its empty text in it before it takes the window's font
#   (QFontDatabasePrivate::load three times, not twice): the window's font is
#   now the default;
# - with both gone, the program spends 76.5 and the bare window 64.3. What
#   remains between them is the instruction text, about 6 to lay out its ten
#   paragraphs in Times New Roman's stand-in and 5 to draw them (FreeType
#   loading and rendering 130 glyphs), and 2 for showing and painting the
#   coloured controls. The font database (26.2) and QApplication (9.1) cost
#   all three the same;
# - the instruction box lays its first paragraph out at a provisional width
#   and again at its real one (about 0.4), which only a faked resize event
#   would avoid: left as it is.
set -eu
build=$(realpath "${1:-build}")
if [ -z "${PROFILE_ON_XVFB:-}" ]; then
    PROFILE_ON_XVFB=1 exec "$(dirname "$0")/../scripts/lib/virtual-display.sh" "$0" "$build"
fi
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT

profile() { # program name
    valgrind --tool=callgrind --callgrind-out-file="$out/$2" "$1" 2>/dev/null &
    pid=$!
    timeout 120 xdotool search --sync --onlyvisible --pid "$pid" >/dev/null
    sleep 3 # the first frame, and nothing after it: idle costs nothing
    kill -TERM "$pid"
    wait "$pid" || true
}
profile "$build/towers" program
profile "$build/bench/baseline" baseline
profile "$build/bench/bare" bare

for name in program baseline bare; do
    echo "== $name"
    callgrind_annotate --inclusive=yes "$out/$name" 2>/dev/null | grep -E \
        'PROGRAM TOTALS|Form1::|prepareApplication|QIcon::addFile|QImageReader::(format|read)\(|populateFontDatabase|QApplication::QApplication|QPlainTextEdit::(paintEvent|setPlainText|ensureCursorVisible)|QWidget::show\(\) |QFontDatabasePrivate::load\(|QPlainTextDocumentLayout::layoutBlock|QTextLine::draw\(' \
        | head -n 20
done
