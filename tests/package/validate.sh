#!/bin/sh
# SPDX-FileCopyrightText: 2026 The Towers project
# SPDX-License-Identifier: GPL-3.0-or-later
#
# The launcher and the AppStream metainfo pass the desktop's own validators.
#   validate.sh DESKTOP_FILE METAINFO_FILE
set -eu
desktop-file-validate "$1"

# The one error allowed: AppStream wants the screenshot at a web address, and we
# have none, so the metainfo points at the copy the package installs under
# /usr/share/doc. Every other error or warning fails.
report=$(appstreamcli validate --no-net --no-color "$2" 2>&1 || true)
others=$(printf '%s\n' "$report" | grep -E '^[EW]:' \
    | grep -v -E '^E: bg\.informatika\.towers:[0-9]+: web-url-expected file:///usr/share/doc/towers/screenshot\.png$' \
    || true)
if [ -n "$others" ]; then
    printf '%s\n' "$report"
    exit 1
fi
echo "desktop file and metainfo valid"
