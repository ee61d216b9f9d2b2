# SPDX-FileCopyrightText: 2026 The Towers project
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Sourced by the scripts: the facts they share, one function each. The
# scripts of scripts/ source it from the project's folder, those of
# scripts/lib/ set project to it first.
project=${project:-$(pwd)}

# Where what outlives a clone is kept, shared by every clone on the machine:
# our builds of Qt, the Debian 13 root.
towers_cache_dir() { echo "${XDG_CACHE_HOME:-$HOME/.cache}/towers"; }

host_is_debian13() { [ "$(. /etc/os-release && echo "$VERSION_CODENAME")" = trixie ]; }

# The version of Debian's Qt installed here, which our builds of Qt take their
# source and tools from.
qt_version() { dpkg-query -W -f='${Version}' qt6-base-dev; }

# Runs a script of the project (its path from the project's folder) with its
# arguments in the Debian 13 root instead, unless this is Debian 13, whose
# emscripten the web build needs:
#   run_on_debian13 scripts/web-tests.sh "$@"
run_on_debian13() {
    host_is_debian13 || exec "$project/scripts/debian13.sh" env ${TOWERS_PACKAGES_READY:+TOWERS_PACKAGES_READY=1} "$@"
}

# Installs the packages of the groups named (install-packages.sh), unless the
# script that called this one has installed everything already.
install_packages() {
    [ -n "${TOWERS_PACKAGES_READY:-}" ] || "$project/scripts/lib/install-packages.sh" "$@"
}
