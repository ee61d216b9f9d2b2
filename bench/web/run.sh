#!/bin/sh
# SPDX-FileCopyrightText: 2026 The Towers project
# SPDX-License-Identifier: GPL-3.0-or-later
#
# The web page's start and download against a bare Qt window for the web, in
# headless Chromium, served by Debian's nginx (firstframe.mjs says how), from
# the page built with the benchmarks into build-web-bench/; on Debian 12 in
# the Debian 13 root (scripts/debian13.sh):
#   bench/web/run.sh [ROUNDS]
set -eu
cd "$(dirname "$0")/../.."
. scripts/lib/common.sh
run_on_debian13 bench/web/run.sh "$@"
install_packages web-test
scripts/lib/build-web.sh build-web-bench -DTOWERS_BENCHMARKS=ON -DBUILD_TESTING=OFF
TOWERS_PLACES_JS=$(pwd)/build-web-bench/places.mjs
export TOWERS_PLACES_JS
exec node bench/web/firstframe.mjs build-web-bench "${1:-11}"
