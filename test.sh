#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test (headless); then
# builds the game again with AddressSanitizer and UndefinedBehaviorSanitizer
# (clang, in build-asan) and runs the whole suite there too, with each
# fuzzer's short run.
set -euo pipefail
cd "$(dirname "$0")"
tools/install-deps.sh --tests
tools/build.sh
# The package test checks the package as it would be installed.
tools/package.sh >/dev/null
export QT_QPA_PLATFORM=offscreen
ctest --test-dir build --output-on-failure -j"$(nproc)"

# The Windows build's tests under Wine, when the Windows tool chain is built
# (tools/windows/qt.sh); otherwise one line says they were skipped.
tools/windows/test.sh

# The checked build. Any finding of either sanitizer, a leak included, fails
# its test; tools/sanitizers/leaks.supp names the system libraries whose
# leaks are not the game's. The Windows cross-compile check and the package
# tests belong to the plain build above, and so does the end-to-end play: it
# speeds the clock up with libfaketime, and the ASan-built game under
# libfaketime never reaches its main menu (their clock calls recurse at start).
echo "== The checked build (ASan, UBSan, fuzzers) in build-asan"
cmake -S . -B build-asan -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
      -DSUJINOSHIMA_FUZZ=ON >/dev/null
cmake --build build-asan -j"$(nproc)"
export ASAN_OPTIONS=halt_on_error=1:detect_leaks=1:check_initialization_order=1
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
export LSAN_OPTIONS="suppressions=$PWD/tools/sanitizers/leaks.supp:print_suppressions=0"
ctest --test-dir build-asan --output-on-failure -j"$(nproc)" -LE e2e
