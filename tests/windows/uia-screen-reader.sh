#!/bin/sh
# SPDX-FileCopyrightText: 2026 The Towers project
# SPDX-License-Identifier: GPL-3.0-or-later
#
# What a Windows screen reader reads of towers.exe through UI Automation:
# the cases of uia-cases.sh under Wine 10 or later, each on a virtual X
# display of its own, in one Wine prefix of their own, made here and removed
# after. Debian 12's Wine 8 has no UI Automation client (CUIAutomation is not
# registered), so there the cases run in our Debian 13 root (debian13.sh),
# where the build folder is seen under /project:
#   uia-screen-reader.sh TOWERS_EXE UIA_TREE_EXE CLOSE_WINDOW_HELPER CASE...
# TOWERS_WINDOW_TITLE and TOWERS_PLACES come from ctest, as for every case.
set -eu
project=$(cd "$(dirname "$0")/../.." && pwd)
. "$project/scripts/lib/common.sh"

wine_major=$(/usr/lib/wine/wine64 --version 2>/dev/null | sed 's/^wine-\([0-9]*\).*/\1/') || true
if [ "${wine_major:-0}" -lt 10 ] && ! host_is_debian13; then
    inside() { echo "/project/${1#"$project"/}"; }
    exe=$(inside "$1") client=$(inside "$2") helper=$(inside "$3")
    shift 3
    # The trees the cases keep go where ctest runs them, as everywhere.
    exec "$project/scripts/debian13.sh" env TOWERS_WINDOW_TITLE="$TOWERS_WINDOW_TITLE" \
        TOWERS_PLACES="$(inside "$TOWERS_PLACES")" sh -c 'cd "$1" && shift && exec "$@"' sh "$(inside "$PWD")" \
        sh /project/tests/windows/uia-screen-reader.sh "$exe" "$client" "$helper" "$@"
fi

program=$1 client=$2 helper=$3
shift 3
"$project/scripts/lib/install-packages.sh" wine >&2
WINEPREFIX=$(mktemp -d "${TMPDIR:-/tmp}/towers-uia.XXXXXX")
export WINEPREFIX WINEDEBUG=-all
trap '"$project/tests/windows/wineprefix.sh" remove "$WINEPREFIX"' EXIT
"$project/tests/windows/wineprefix.sh" make "$WINEPREFIX"
echo "Wine $(/usr/lib/wine/wine64 --version)"
status=0
for case in "$@"; do
    echo "== $case"
    TOWERS_LAUNCHER=/usr/lib/wine/wine64 TOWERS_QPA=windows TOWERS_UIA_TREE=$client \
        "$project/scripts/lib/virtual-display.sh" "$project/tests/windows/uia-cases.sh" \
        "$program" "$helper" "$case" || status=1
    # The next case's display is a new one: so must its Wine server be.
    wineserver --kill 2>/dev/null || true
    wineserver --wait 2>/dev/null || true
done
exit $status
