#!/bin/sh
# SPDX-FileCopyrightText: 2026 The Towers project
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Installs what is missing, builds with the tests into build/, with the
# benchmarks, or into the folder given, with the CMake arguments given, and
# runs the tests: the widget tests, the end-to-end cases and the package
# checks:
#   linux-tests.sh [BUILD_DIR [CMAKE_ARGUMENT...]]
# A compiler warning fails the build: the code stays warning-free on every
# Qt it is built with. The benchmarks are built in build/ for bench/'s
# scripts, and so that they keep building, but only timed by hand.
set -eu
cd "$(dirname "$0")/.."
. scripts/lib/common.sh
install_packages test
build_dir=${1:-build}
if [ "$#" -eq 0 ]; then set -- -DTOWERS_BENCHMARKS=ON; else shift; fi
scripts/lib/cmake-build.sh "$build_dir" -DBUILD_TESTING=ON -DCMAKE_COMPILE_WARNING_AS_ERROR=ON "$@"
cd "$build_dir"
ctest --output-on-failure -j "$(nproc)"
