#!/bin/sh
# SPDX-FileCopyrightText: 2026 The Towers project
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Makes the source tarball for packagers, build/towers-VERSION.tar.gz, from the
# last commit (not from uncommitted changes). It unpacks into towers-VERSION/,
# which builds with the README's commands.
set -eu
cd "$(dirname "$0")/.."
version=$(sed -n 's/^project(towers VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
out="${BUILD_DIR:-build}/towers-$version.tar.gz"
mkdir -p "$(dirname "$out")"
git archive --format=tar.gz --prefix="towers-$version/" -o "$out" HEAD
echo "$out"
