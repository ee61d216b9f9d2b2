#!/bin/sh
# SPDX-FileCopyrightText: 2026 The Towers project
# SPDX-License-Identifier: GPL-3.0-or-later
#
# The launcher and the AppStream metainfo pass the desktop's own validators,
# the metainfo pedantically and with nothing at all reported.
#   validate.sh DESKTOP_FILE METAINFO_FILE
set -eu
desktop-file-validate "$1"

report=$(appstreamcli validate --no-net --pedantic --no-color "$2" 2>&1) || {
    printf '%s\n' "$report"
    exit 1
}
if printf '%s\n' "$report" | grep -q -E '^[EWIP]: '; then
    printf '%s\n' "$report"
    exit 1
fi
echo "desktop file and metainfo valid"
