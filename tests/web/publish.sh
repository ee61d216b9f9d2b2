#!/bin/sh
# SPDX-FileCopyrightText: 2026 The Towers project
# SPDX-License-Identifier: GPL-3.0-or-later
#
# web.sh publish as a school's administrator may run it: with a umask that
# keeps files from other users (077), into a folder where links wait under
# the names it writes, one at its temporary name of old and one at the page's
# own. Every file must reach the web server's workers (0644), and nothing
# outside the folder may be written:
#   publish.sh PUBLISH_SITE_SH
set -eu
publish=$1
. "$(dirname "$0")/../checks.sh"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/site" "$work/server"
for name in page.0123456789abcdef.js page.0123456789abcdef.js.br index.html sw.js manifest.webmanifest; do
    echo "the content of $name" >"$work/site/$name"
done
echo "not the page's" >"$work/outside"
ln -s "$work/outside" "$work/server/.index.html.part"
ln -s "$work/outside" "$work/server/index.html"

(umask 077 && "$publish" "$work/site" "$work/server") >/dev/null

same_files() {
    for name in $(ls "$work/site"); do
        cmp -s "$work/site/$name" "$work/server/$name" || return 1
    done
}
readable_by_all() {
    for name in $(ls "$work/site"); do
        [ "$(stat -c %a "$work/server/$name")" = 644 ] || { echo "  $name: $(stat -c %a "$work/server/$name")"; return 1; }
    done
}
check "every file of the page is published as it is" same_files
check "with umask 077, every file is readable by the web server (0644)" readable_by_all
check "a link under a name it writes is replaced, not written through" \
    sh -c "[ ! -L '$work/server/index.html' ] && [ \"\$(cat '$work/outside')\" = \"not the page's\" ]"
check "no temporary file is left" sh -c "[ -z \"\$(find '$work/server' -name '.*' -type f)\" ]"
checks_passed
