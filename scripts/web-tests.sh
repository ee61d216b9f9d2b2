#!/bin/sh
# SPDX-FileCopyrightText: 2026 The Towers project
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Builds the web version with its tests into build-web-tests/ and runs them:
# the widget tests in headless Chromium, the end-to-end cases against the
# page in Chromium on a virtual display, and the page on Debian's nginx and
# Apache. Like web.sh, on Debian 12 in the Debian 13 root.
set -eu
cd "$(dirname "$0")/.."
. scripts/lib/common.sh
run_on_debian13 scripts/web-tests.sh "$@"
install_packages web-test
scripts/lib/build-web.sh build-web-tests -DBUILD_TESTING=ON -DCMAKE_COMPILE_WARNING_AS_ERROR=ON
cd build-web-tests
ctest --output-on-failure -j "$(nproc)"
