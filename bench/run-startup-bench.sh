#!/usr/bin/env bash
# Runs the start-up benchmark under Xvfb (640 × 480 and 1024 × 768 desktops).
set -euo pipefail
cd "$(dirname "$0")/.."
bench=build/bench/startup_bench
[[ -x $bench ]] || cmake --build build --target startup_bench
for size in 640x480 1024x768; do
    exec {fd}<> <(:)
    Xvfb -displayfd "$fd" -screen 0 "${size}x24" >/dev/null 2>&1 &
    xvfb=$!
    read -r -u "$fd" number
    echo "== desktop $size"
    DISPLAY=:$number "$bench" "${1:-5}" 2>/dev/null || true
    kill $xvfb
    wait $xvfb 2>/dev/null || true
done
