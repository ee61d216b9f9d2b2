#!/bin/sh
# SPDX-FileCopyrightText: 2026 The Towers project
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Builds the program for web browsers into a build folder, with the CMake
# arguments given, on Debian 13 (web.sh, web-tests.sh, the web benchmark):
#   build-web.sh BUILD_DIR [CMAKE_ARGUMENT...]
# Qt for the web is built once (build-qt-web.sh), then the program, from the
# same sources and CMake files as every other build, its page in BUILD_DIR/site/.
set -eu
project="$(cd "$(dirname "$0")/../.." && pwd)"
. "$project/scripts/lib/emsdk-env.sh"
build_dir=$1
shift
qt=$("$project/scripts/lib/build-qt-web.sh")
QT_PREFIX=$qt "$project/scripts/lib/cmake-build.sh" "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=MinSizeRel \
    -DCMAKE_TOOLCHAIN_FILE="$qt/lib/cmake/Qt6/qt.toolchain.cmake" "$@"
