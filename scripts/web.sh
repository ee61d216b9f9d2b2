#!/bin/sh
# SPDX-FileCopyrightText: 2026 The Towers project
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Builds the program for web browsers into build-web/, the page's files in
# build-web/site/; then, with "serve", serves that page on this computer alone
# (http://127.0.0.1:8000/) until stopped with Ctrl+C. With "publish" it
# builds nothing: it puts the page built before into a web server's folder
# DIR, so that DIR serves a whole version at every moment
# (lib/publish-site.sh), as the server's owner, who need not be the one who
# builds:
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
. scripts/lib/common.sh

if [ "${1:-}" = publish ]; then
    [ -f build-web/site/index.html ] || { echo "No page built yet: run $0 first, then publish" >&2; exit 1; }
    exec scripts/lib/publish-site.sh build-web/site "$target"
fi

if host_is_debian13; then
    install_packages web
    scripts/lib/build-web.sh build-web -DBUILD_TESTING=OFF
    echo "Built the page in build-web/site/"
else
    scripts/debian13.sh scripts/web.sh
fi

if [ "${1:-}" = serve ]; then
    echo "Serving the page on http://127.0.0.1:8000/ (Ctrl+C stops it)"
    exec python3 -m http.server --bind 127.0.0.1 --directory build-web/site 8000
fi
