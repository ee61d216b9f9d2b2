#!/bin/sh
# SPDX-FileCopyrightText: 2026 The Towers project
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Installs what is missing, builds, and runs every suite: the Linux one in
# build/, once more built with AddressSanitizer and UndefinedBehaviorSanitizer
# in build-sanitize/, the Windows one under Wine, the web one in Chromium (on
# Debian 12 in a Debian 13 root of ours, debian13.sh), and, on Debian 12, the
# Linux one once more on Debian 13, in that root. The packages are installed
# once here and once in the root, for all of them.
set -eu
cd "$(dirname "$0")/.."
. scripts/lib/common.sh
if host_is_debian13; then
    install_packages test windows web-test
else
    install_packages test windows
fi
TOWERS_PACKAGES_READY=1
export TOWERS_PACKAGES_READY

# On Debian 12 the Debian 13 root is made, and filled with what its builds
# need, while the Linux builds run here: downloading and unpacking leave the
# processors mostly idle, and a fresh machine waits minutes less.
root_log=""
if ! host_is_debian13; then
    root_log=$(mktemp)
    scripts/debian13.sh scripts/lib/install-packages.sh web-test test wine >"$root_log" 2>&1 &
    root_job=$!
    trap 'wait; rm -f "$root_log"' EXIT
fi

scripts/linux-tests.sh
scripts/linux-tests.sh build-sanitize -DTOWERS_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug
scripts/windows-tests.sh

if [ -n "$root_log" ]; then
    status=0
    wait "$root_job" || status=$?
    cat "$root_log"
    [ "$status" -eq 0 ] || { echo "Filling the Debian 13 root failed ($status)" >&2; exit 1; }
fi
scripts/web-tests.sh
if [ -n "$root_log" ]; then
    scripts/debian13.sh env TOWERS_PACKAGES_READY=1 scripts/linux-tests.sh build-debian13 -DTOWERS_BENCHMARKS=ON
fi
