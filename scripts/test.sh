#!/bin/sh
# SPDX-FileCopyrightText: 2026 The Towers project
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Installs what is missing, builds, and runs every test: once in the ordinary
# build, once more built with AddressSanitizer and UndefinedBehaviorSanitizer,
# and once cross-built for Windows, under Wine.
set -eu
cd "$(dirname "$0")/.."
scripts/deps.sh test
CMAKE_ARGS="-DBUILD_TESTING=ON -DTOWERS_BENCHMARKS=ON" scripts/build.sh
(cd build && ctest --output-on-failure -j "$(nproc)")
BUILD_DIR=build-sanitize \
    CMAKE_ARGS="-DTOWERS_SANITIZE=ON -DTOWERS_BENCHMARKS=OFF -DCMAKE_BUILD_TYPE=Debug" scripts/build.sh
(cd build-sanitize && ctest --output-on-failure -j "$(nproc)")
scripts/windows.sh
cd build-windows
ctest --output-on-failure -j "$(nproc)"
