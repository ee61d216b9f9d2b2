#!/bin/sh
# SPDX-FileCopyrightText: 2026 The Towers project
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Configures the project into a build folder with the arguments given, and
# builds it; against the Qt installed in $QT_PREFIX, when given (a Qt of ours):
#   cmake-build.sh BUILD_DIR [CMAKE_ARGUMENT...]
# Each set of options has a folder of its own, so that no build undoes
# another's options.
set -eu
cd "$(dirname "$0")/../.."
build_dir=$1
shift
# CMake keeps the Qt a build folder found first: one that found its Qt
# elsewhere (ours, before its options changed) is configured afresh.
fresh=""
if [ -n "${QT_PREFIX:-}" ] && [ -f "$build_dir/CMakeCache.txt" ] &&
    ! grep -qxF "Qt6_DIR:PATH=$QT_PREFIX/lib/cmake/Qt6" "$build_dir/CMakeCache.txt"; then
    fresh=--fresh
fi
cmake $fresh -S . -B "$build_dir" "$@"
cmake --build "$build_dir" -j "$(nproc)"
