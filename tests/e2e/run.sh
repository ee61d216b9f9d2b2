#!/bin/sh
# SPDX-FileCopyrightText: 2026 The Towers project
# SPDX-License-Identifier: GPL-3.0-or-later
#
# One end-to-end case on the virtual X display this runs on:
#   run.sh PROGRAM CLOSE_WINDOW_HELPER CASE [SCALE]
PROGRAM=$1
CLOSE_WINDOW=$2
SCALE=${4:-1}
here=$(dirname "$0")
. "$here/lib.sh"
. "$here/cases.sh"
"case_$3"
