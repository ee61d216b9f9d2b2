#!/bin/sh
# SPDX-FileCopyrightText: 2026 The Towers project
# SPDX-License-Identifier: GPL-3.0-or-later
#
# The web page's start and download against a bare Qt window for the web, in
# headless Chromium, served by Debian's nginx (firstframe.mjs says how):
#   bench/web/run.sh [BUILD_WEB_DIR] [ROUNDS]
# It needs build-web/ built with the benchmarks, and nginx: on Debian 12, run
# it in the Debian 13 root, scripts/debian13.sh bench/web/run.sh.
set -eu
cd "$(dirname "$0")/../.."
build=${1:-build-web}
if [ ! -f "$build/bench/site/index.html" ]; then
    CMAKE_ARGS="-DTOWERS_BENCHMARKS=ON" scripts/web.sh
fi
scripts/deps.sh web-test
exec node bench/web/firstframe.mjs "$build" "${2:-11}"
