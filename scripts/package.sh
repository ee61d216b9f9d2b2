#!/bin/sh
# SPDX-FileCopyrightText: 2026 The Towers project
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Installs what is missing, builds the program and makes its Debian package in build/.
set -eu
cd "$(dirname "$0")/.."
scripts/deps.sh package
CMAKE_ARGS="-DBUILD_TESTING=OFF -DTOWERS_BENCHMARKS=OFF" scripts/build.sh
cd "${BUILD_DIR:-build}"
cpack -G DEB
