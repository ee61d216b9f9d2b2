#!/bin/sh
# SPDX-FileCopyrightText: 2026 The Towers project
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Installs what is missing, builds, and runs every test: once in the ordinary
# build, once more built with AddressSanitizer and UndefinedBehaviorSanitizer,
# once cross-built for Windows, under Wine, once built for the web, in
# Chromium (on Debian 12 in a Debian 13 root of ours, debian13.sh), and, on
# Debian 12, the ordinary build's suite once more on Debian 13, in that root.
set -eu
cd "$(dirname "$0")/.."
scripts/deps.sh test

# On Debian 12 the Debian 13 root is made, and filled with what its builds
# need, while the Linux builds run here: downloading and unpacking leave the
# processors mostly idle, and a fresh machine waits minutes less.
root_log=""
if [ "$(. /etc/os-release && echo "$VERSION_CODENAME")" != trixie ]; then
    root_log=$(mktemp)
    scripts/debian13.sh sh -c 'scripts/deps.sh web-test && scripts/deps.sh test' >"$root_log" 2>&1 &
    root_job=$!
    trap 'wait; rm -f "$root_log"' EXIT
fi

scripts/linux-tests.sh
BUILD_DIR=build-sanitize CMAKE_ARGS="-DTOWERS_SANITIZE=ON -DTOWERS_BENCHMARKS=OFF -DCMAKE_BUILD_TYPE=Debug" \
    scripts/linux-tests.sh
scripts/windows.sh
(cd build-windows && ctest --output-on-failure -j "$(nproc)")

if [ -n "$root_log" ]; then
    status=0
    wait "$root_job" || status=$?
    cat "$root_log"
    [ "$status" -eq 0 ] || { echo "Filling the Debian 13 root failed ($status)" >&2; exit 1; }
fi
scripts/web-tests.sh
if [ -n "$root_log" ]; then
    scripts/debian13.sh env BUILD_DIR=build-debian13 scripts/linux-tests.sh
fi
