# SPDX-FileCopyrightText: 2026 The Towers project
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Sourced by the shell tests: each check says "ok: WHAT" or "FAIL: WHAT", and
# a test fails when any did:
#   check WHAT COMMAND [ARGUMENT...]; ...; checks_passed
failures=0

check() {
    what=$1
    shift
    if "$@"; then
        echo "ok: $what"
    else
        echo "FAIL: $what"
        failures=$((failures + 1))
    fi
}

checks_passed() { [ "$failures" -eq 0 ]; }
