#!/bin/sh
# SPDX-FileCopyrightText: 2026 The Towers project
# SPDX-License-Identifier: GPL-3.0-or-later
#
# The web page's start and download against a bare Qt window for the web, in
# Chromium on a virtual X display (firstframe.mjs says how):
#   bench/web/run.sh [BUILD_WEB_DIR] [ROUNDS] [AGAINST_SITE]
# It needs build-web/ built with the benchmarks: on Debian 12, run it in the
# Debian 13 root, scripts/debian13.sh bench/web/run.sh.
set -eu
cd "$(dirname "$0")/../.."
build=${1:-build-web}
if [ ! -f "$build/bench/site/index.html" ]; then
    CMAKE_ARGS="-DTOWERS_BENCHMARKS=ON" scripts/web.sh
fi
exec xvfb-run -a -s "-screen 0 1024x768x24 -dpi 96 -nolisten local -noreset" \
    node bench/web/firstframe.mjs "$build" "${2:-11}" ${3:+"$3"}
