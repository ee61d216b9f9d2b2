#!/bin/sh
# SPDX-FileCopyrightText: 2026 The Towers project
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Installs what is missing, builds, and runs every test: once in the ordinary
# build, once more built with AddressSanitizer and UndefinedBehaviorSanitizer,
# once cross-built for Windows, under Wine, once built for the web, in
# Chromium (on Debian 12 in a Debian 13 root of ours, debian13.sh), and, on
# Debian 12, the ordinary build's suite once more on Debian 13, in that root.
set -eu
cd "$(dirname "$0")/.."
scripts/linux-tests.sh
BUILD_DIR=build-sanitize CMAKE_ARGS="-DTOWERS_SANITIZE=ON -DTOWERS_BENCHMARKS=OFF -DCMAKE_BUILD_TYPE=Debug" \
    scripts/linux-tests.sh
scripts/windows.sh
(cd build-windows && ctest --output-on-failure -j "$(nproc)")
scripts/web-tests.sh
if [ "$(. /etc/os-release && echo "$VERSION_CODENAME")" != trixie ]; then
    scripts/debian13.sh env BUILD_DIR=build-debian13 scripts/linux-tests.sh
fi
