#!/bin/sh
# SPDX-FileCopyrightText: 2026 The Towers project
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Builds the program for web browsers into build-web/, the page's files in
# build-web/site/; then, with "serve", serves that page on this computer alone
# (http://127.0.0.1:8000/) until stopped with Ctrl+C, or, with "publish",
# puts it into a web server's folder DIR, so that DIR serves a whole version
# at every moment:
#   web.sh [serve | publish DIR]
# The toolchain is Debian 13's: on Debian 12 the build runs in a Debian 13 root
# of ours (debian13.sh), the first time made and cached.
set -eu
case "${1:-}" in
""|serve) ;;
publish) [ -n "${2:-}" ] && [ -d "$2" ] || { echo "usage: $0 publish DIR (an existing folder)" >&2; exit 2; }
    target=$(cd "$2" && pwd) ;;
*) echo "usage: $0 [serve | publish DIR]" >&2; exit 2 ;;
esac
cd "$(dirname "$0")/.."

if [ "$(. /etc/os-release && echo "$VERSION_CODENAME")" != trixie ]; then
    scripts/debian13.sh env CMAKE_ARGS="${CMAKE_ARGS:-}" scripts/web.sh
else
    scripts/deps.sh web
    . scripts/emsdk.sh
    qt=$(scripts/web-qt.sh)
    BUILD_DIR=build-web QT_PREFIX=$qt CMAKE_ARGS="-G Ninja -DCMAKE_BUILD_TYPE=MinSizeRel
        -DCMAKE_TOOLCHAIN_FILE=$qt/lib/cmake/Qt6/qt.toolchain.cmake
        -DTOWERS_BENCHMARKS=OFF -DBUILD_TESTING=OFF
        ${CMAKE_ARGS:-}" \
        scripts/build.sh
    echo "Built the page in build-web/site/"
fi

case "${1:-}" in
serve)
    echo "Serving the page on http://127.0.0.1:8000/ (Ctrl+C stops it)"
    exec python3 -m http.server --bind 127.0.0.1 --directory build-web/site 8000 ;;
publish)
    scripts/lib/publish-site.sh build-web/site "$target" ;;
esac
