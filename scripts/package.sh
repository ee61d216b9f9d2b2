#!/bin/sh
# SPDX-FileCopyrightText: 2026 The Towers project
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Installs what is missing, builds the program and makes its Debian package in
# build-package/.
set -eu
cd "$(dirname "$0")/.."
. scripts/lib/common.sh
install_packages package
scripts/lib/cmake-build.sh build-package -DBUILD_TESTING=OFF
cd build-package
cpack -G DEB
