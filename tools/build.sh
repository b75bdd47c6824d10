#!/usr/bin/env bash
# Configures and builds the game in build/, incrementally.
# Usage: tools/build.sh [target...]   (no target: everything, tests included
# when GoogleTest is installed)
set -euo pipefail
cd "$(dirname "$0")/.."
# Configuring again is quick, and finds GoogleTest once it has been installed.
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
if [[ $# -eq 0 ]]; then
    cmake --build build -j"$(nproc)"
else
    targets=()
    for target in "$@"; do targets+=(--target "$target"); done
    cmake --build build -j"$(nproc)" "${targets[@]}"
fi
