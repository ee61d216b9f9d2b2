#!/bin/sh
# Configures and builds into build/ (or $BUILD_DIR).
set -eu
cd "$(dirname "$0")/.."
build_dir=${BUILD_DIR:-build}
cmake -S . -B "$build_dir" ${CMAKE_ARGS:-}
cmake --build "$build_dir" -j "$(nproc)"
