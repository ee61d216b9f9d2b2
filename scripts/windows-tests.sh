#!/bin/sh
# SPDX-FileCopyrightText: 2026 The Towers project
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Builds the Windows program with its tests (windows.sh) and runs them under
# Wine: the widget tests, the end-to-end cases, the installer and the package.
set -eu
cd "$(dirname "$0")/.."
scripts/windows.sh
cd build-windows
ctest --output-on-failure -j "$(nproc)"
