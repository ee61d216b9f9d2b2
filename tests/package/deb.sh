#!/bin/sh
# SPDX-FileCopyrightText: 2026 The Towers project
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Builds the Debian package, checks what it declares, unpacks it into a scratch
# root and starts the program from there on a virtual X display.
#   deb.sh BUILD_DIR SOURCE_DIR
set -eu
build=$1
source=$2
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

cpack -G DEB --config "$build/CPackConfig.cmake" -B "$scratch/out" >/dev/null
deb=$(ls "$scratch"/out/towers_*.deb)
echo "built $(basename "$deb")"

. "$source/tests/checks.sh"
depends=$(dpkg-deb -f "$deb" Depends)
for package in libqt6widgets6 qt6-qpa-plugins fonts-liberation2; do
    check "depends on $package" sh -c "echo '$depends' | grep -q -w '$package'"
done
check "section education" [ "$(dpkg-deb -f "$deb" Section)" = education ]
check "apt can satisfy its dependencies" sh -c "apt-get install --simulate -q '$deb' >/dev/null"
check "a maintainer with a name and a mail address" \
    sh -c "dpkg-deb -f '$deb' Maintainer | grep -q -E '^[^<]+ <[^@ ]+@[^@ ]+\.[a-z]+>\$'"
check "a synopsis, not the package's name, as the description's first line" \
    sh -c "dpkg-deb -f '$deb' Description | head -n 1 | grep -q -v -i '^towers'"
root=$scratch/root
dpkg-deb -x "$deb" "$root"

# lintian as a distribution runs it: it must report nothing, not even an
# information. One exception: lintian fails a package on any finding of
# AppStream's validate-tree, and AppStream 1.0 (Debian 13) warns that the
# project has no homepage, which it has not and will not invent. Its tag is
# allowed where that warning is validate-tree's one finding.
tree_findings=$(appstreamcli validate-tree --no-net --no-color "$root" 2>&1 | grep -E '^ *[EWIP]: ' || true)
allowed='^$'
if [ -n "$tree_findings" ] &&
    ! printf '%s\n' "$tree_findings" | grep -q -v -E '^ *W: [^ ]+: url-homepage-missing$'; then
    allowed='^W: towers: appstream-metadata-validation-failed '
fi
lintian_report=$(lintian --fail-on error,warning --display-info "$deb" 2>&1 |
    grep -v -e 'running with root privileges' | grep -v -E "$allowed" || true)
check "lintian reports nothing" [ -z "$lintian_report" ]
[ -z "$lintian_report" ] || printf '%s\n' "$lintian_report"
for path in usr/bin/towers usr/share/applications/bg.informatika.towers.desktop \
    usr/share/metainfo/bg.informatika.towers.metainfo.xml \
    usr/share/icons/hicolor/32x32/apps/bg.informatika.towers.png \
    usr/share/icons/hicolor/48x48/apps/bg.informatika.towers.png \
    usr/share/icons/hicolor/scalable/apps/bg.informatika.towers.svg \
    usr/share/doc/towers/copyright usr/share/doc/towers/changelog.gz \
    usr/share/man/man1/towers.1.gz usr/share/man/bg/man1/towers.1.gz; do
    check "installs /$path" [ -e "$root/$path" ]
done
check "installed launcher and metainfo validate" "$source/tests/package/validate.sh" \
    "$root/usr/share/applications/bg.informatika.towers.desktop" \
    "$root/usr/share/metainfo/bg.informatika.towers.metainfo.xml"

# Each manual page renders without a warning from groff, and names the program.
for page in man1/towers.1.gz:'towers +- +three-peg' bg/man1/towers.1.gz:'towers +- +задача'; do
    check "manual page $page" sh -c "
        [ -z \"\$(man --warnings -E UTF-8 -l -Tutf8 -Z '$root/usr/share/man/${page%%:*}' 2>&1 >/dev/null)\" ] &&
        man -E UTF-8 -l '$root/usr/share/man/${page%%:*}' 2>/dev/null | grep -q -E '${page#*:}'"
done

# The installed program opens its window, with the title and an icon.
started=$(XDG_DATA_DIRS="$root/usr/share:/usr/share" "$source/scripts/lib/virtual-display.sh" sh -c '
    QT_QPA_PLATFORM=xcb "$1" 2>/dev/null &
    window=$(timeout 20 xdotool search --sync --onlyvisible --pid $! | head -n 1)
    [ -n "$window" ] && xdotool getwindowname "$window"
    xprop -id "$window" _NET_WM_ICON | head -c 40 | grep -q "CARDINAL" && echo "with an icon"
    kill $!
' sh "$root/usr/bin/towers" || true)
check "installed program shows its window, with its title" sh -c "echo '$started' | grep -q -F '$TOWERS_WINDOW_TITLE'"
check "and its icon" sh -c "echo '$started' | grep -q 'with an icon'"
checks_passed
