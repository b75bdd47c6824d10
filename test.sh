#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test (headless).
set -euo pipefail
cd "$(dirname "$0")"
tools/install-deps.sh --tests
tools/build.sh
# The package test checks the package as it would be installed.
tools/package.sh >/dev/null
export QT_QPA_PLATFORM=offscreen
ctest --test-dir build --output-on-failure -j"$(nproc)"
