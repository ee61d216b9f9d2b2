#!/bin/sh
# SPDX-FileCopyrightText: 2026 The Towers project
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Installs the Debian packages that the groups named need, when any is
# missing; as root it runs apt-get, otherwise it prints the line to run:
#   install-packages.sh GROUP...
# run: building and running the program; package: building the .deb; test:
# building and testing it; windows: cross-building for Windows and testing
# under Wine; wine: running the Windows build under Wine on a virtual display,
# as the Debian 13 root does for Wine 10's UI Automation; web: building for
# the web, on Debian 13; web-test: that and
# testing it in Chromium, Firefox and WebKit, on Debian's nginx and Apache.
set -eu

build="cmake make g++ qt6-base-dev qt6-qpa-plugins fonts-liberation2"
display="xvfb xauth xdotool imagemagick"
package="dpkg-dev file"
tests="x11-utils tesseract-ocr libx11-dev libbenchmark-dev desktop-file-utils appstream lintian reuse git
 debootstrap weston xwayland qt6-wayland qt6-base-private-dev dbus-daemon at-spi2-core python3-pyatspi"
windows="ninja-build dpkg-dev g++-mingw-w64-x86-64-posix mingw-w64-tools nsis wixl msitools faketime wine64 wine
 python3-fonttools x11-utils tesseract-ocr"
web="cmake ninja-build g++ qt6-base-dev qt6-base-dev-tools emscripten dpkg-dev fonts-liberation2 python3 python3-brotli zopfli"
# The browsers a pupil has: Chromium, Firefox ESR, and Safari's engine in a
# window of ours (WebKitGTK, through Python's GTK bindings).
browsers="chromium firefox-esr gir1.2-webkit2-4.1 gir1.2-gtk-3.0 python3-gi"
# The servers a school runs, as the web tests serve the page with them.
servers="nginx libnginx-mod-http-brotli-static apache2"

[ "$#" -gt 0 ] || { echo "usage: $0 run|package|test|windows|wine|web|web-test..." >&2; exit 2; }
packages=""
for group in "$@"; do
    case "$group" in
    run) packages="$packages $build $display" ;;
    package) packages="$packages $build $package" ;;
    test) packages="$packages $build $display $package $tests" ;;
    windows) packages="$packages $build $display $windows" ;;
    wine) packages="$packages $display wine64 wine python3-fonttools fonts-liberation2 x11-utils" ;;
    web) packages="$packages $web" ;;
    web-test) packages="$packages $web $display x11-utils tesseract-ocr $browsers nodejs npm $servers" ;;
    *) echo "$0: no group $group" >&2; exit 2 ;;
    esac
done

missing=""
for package in $(echo $packages | tr ' ' '\n' | sort -u); do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'ok installed' \
        || missing="$missing $package"
done
[ -z "$missing" ] && exit 0

if [ "$(id -u)" -ne 0 ]; then
    echo "Missing packages. Run as root:" >&2
    echo "  apt-get update && apt-get install -y$missing" >&2
    exit 1
fi
apt-get update
DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends $missing
