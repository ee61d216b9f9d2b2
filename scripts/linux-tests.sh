#!/bin/sh
# SPDX-FileCopyrightText: 2026 The Towers project
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Installs what is missing, builds with the tests into build/ (or $BUILD_DIR)
# and runs them: the widget tests, the end-to-end cases and the package checks.
# A compiler warning fails the build: the code stays warning-free on every
# Qt it is built with.
set -eu
cd "$(dirname "$0")/.."
scripts/deps.sh test
CMAKE_ARGS="-DBUILD_TESTING=ON -DTOWERS_BENCHMARKS=ON -DCMAKE_COMPILE_WARNING_AS_ERROR=ON ${CMAKE_ARGS:-}" \
    scripts/build.sh
cd "${BUILD_DIR:-build}"
ctest --output-on-failure -j "$(nproc)"
