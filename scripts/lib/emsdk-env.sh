# SPDX-FileCopyrightText: 2026 The Towers project
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Sourced by the web build's scripts, with project set to the project's
# folder. Qt for the web asks for an emscripten SDK's folder ($EMSDK) whenever
# CMake configures Qt or a program against it, while Debian's emscripten
# package is a whole toolchain without one. A folder of the SDK's shape,
# pointing at Debian's emscripten, answers it. It stays at one fixed path,
# since CMake writes the path into its caches.
. "$project/scripts/lib/common.sh"
EMSDK="$(towers_cache_dir)/emsdk"
if [ ! -f "$EMSDK/.emscripten" ]; then
    mkdir -p "$EMSDK/upstream"
    ln -sfn /usr/share/emscripten "$EMSDK/upstream/emscripten"
    echo "EMSCRIPTEN_ROOT = emsdk_path + '/upstream/emscripten'" >"$EMSDK/.emscripten"
fi
PATH="$EMSDK/upstream/emscripten:$PATH"
export EMSDK PATH
