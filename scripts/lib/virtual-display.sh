#!/bin/sh
# SPDX-FileCopyrightText: 2026 The Towers project
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Runs a command on a virtual X display of its own (Xvfb, 96 dots per inch,
# room for the window at twice its size), for the tests, the benchmarks and a
# run without a display:
#   virtual-display.sh COMMAND [ARGUMENT...]
# The display keeps going when its last client leaves (-noreset): otherwise it
# resets then, as after each xdotool call before the program has connected,
# and a program connecting just then is refused ("could not connect to
# display"), now and then. And it listens on its socket file alone (-nolisten
# local), so that a client never reaches a quitting display of the same number
# through an abstract socket.
exec xvfb-run -a -s "-screen 0 1600x1000x24 -dpi 96 -nolisten local -noreset" "$@"
