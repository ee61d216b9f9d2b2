#!/bin/sh
# SPDX-FileCopyrightText: 2026 The Towers project
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Configures and builds into build/ (or $BUILD_DIR).
set -eu
cd "$(dirname "$0")/.."
build_dir=${BUILD_DIR:-build}
cmake -S . -B "$build_dir" ${CMAKE_ARGS:-}
cmake --build "$build_dir" -j "$(nproc)"
