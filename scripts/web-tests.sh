#!/bin/sh
# SPDX-FileCopyrightText: 2026 The Towers project
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Builds the web version with its tests into build-web/ and runs them: the
# widget tests in headless Chromium, the end-to-end cases against the page in
# Chromium on a virtual display. Like web.sh, on Debian 12 in the Debian 13 root.
set -eu
cd "$(dirname "$0")/.."
if [ "$(. /etc/os-release && echo "$VERSION_CODENAME")" != trixie ]; then
    exec scripts/debian13.sh scripts/web-tests.sh
fi
scripts/deps.sh web-test
CMAKE_ARGS="-DBUILD_TESTING=ON -DCMAKE_COMPILE_WARNING_AS_ERROR=ON" scripts/web.sh
cd build-web
ctest --output-on-failure -j "$(nproc)"
