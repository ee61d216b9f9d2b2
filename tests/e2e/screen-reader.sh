#!/bin/sh
# SPDX-FileCopyrightText: 2026 The Towers project
# SPDX-License-Identifier: GPL-3.0-or-later
#
# One end-to-end case with the accessibility bus a screen reader listens on:
# a private D-Bus session, AT-SPI's bus in it, and Qt's bridge to it and
# Firefox's switched on as a running screen reader would switch them on:
#   screen-reader.sh COMMAND [ARGUMENT...]
# as screen-reader.sh run.sh PROGRAM none CASE 1, or web.sh SITE CASE 1 ENGINE.
set -eu
exec dbus-run-session -- sh -c '
    # Qt looks for AT-SPI'"'"'s bus once, as it starts: the bus must be there.
    /usr/libexec/at-spi-bus-launcher --launch-immediately &
    for _ in $(seq 100); do
        dbus-send --session --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
            org.freedesktop.DBus.NameHasOwner string:org.a11y.Bus 2>/dev/null | grep -q "boolean true" && break
        sleep 0.1
    done
    QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 GNOME_ACCESSIBILITY=1 "$@"
' sh "$@"
