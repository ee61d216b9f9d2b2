#!/bin/sh
# SPDX-FileCopyrightText: 2026 The Towers project
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Installs what is missing, builds Qt for Windows once (cached, see
# lib/build-qt-windows.sh), then cross-builds into build-windows/ the
# self-contained towers.exe, its installer towers-VERSION-setup.exe, its
# Windows Installer package towers-VERSION.msi and the tests, which
# windows-tests.sh runs under Wine.
set -eu
cd "$(dirname "$0")/.."
. scripts/lib/common.sh
install_packages windows
qt=$(scripts/lib/build-qt-windows.sh)
QT_PREFIX=$qt scripts/lib/cmake-build.sh build-windows -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$(pwd)/cmake/mingw-w64-x86_64.cmake" -DCMAKE_PREFIX_PATH="$qt" -DQT_HOST_PATH=/usr
echo "Built build-windows/towers.exe," $(cd build-windows && ls towers-*-setup.exe towers-*.msi | sed 's|^|build-windows/|')
