#!/usr/bin/env bash
# Configures and builds the project into build/ (or $BUILD_DIR): every
# target, or only the targets named.
#
#   build.sh [target...]
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=${BUILD_DIR:-build}
targets=()
[ $# -eq 0 ] || targets=(--target "$@")
cmake -S . -B "$build_dir" -DCMAKE_BUILD_TYPE=${BUILD_TYPE:-RelWithDebInfo} >/dev/null
cmake --build "$build_dir" -j"$(nproc)" "${targets[@]}"
