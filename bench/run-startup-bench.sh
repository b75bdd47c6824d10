#!/usr/bin/env bash
# Runs the start-up benchmark under Xvfb: on 640 × 480 and 1024 × 768
# desktops, and on 640 × 480 once more as first starts (no splash picture
# kept from an earlier start).
# Usage: bench/run-startup-bench.sh [runs]
set -euo pipefail
cd "$(dirname "$0")/.."
bench=build/bench/startup_bench
[[ -x $bench ]] || cmake --build build --target startup_bench
runs=${1:-9}
for setting in "640x480" "1024x768" "640x480 --first-start"; do
    read -r size mode <<<"$setting"
    exec {fd}<> <(:)
    Xvfb -displayfd "$fd" -screen 0 "${size}x24" >/dev/null 2>&1 &
    xvfb=$!
    read -r -u "$fd" number
    echo "== desktop $size ${mode:+($mode)}"
    DISPLAY=:$number "$bench" "$runs" $mode 2>/dev/null || true
    kill $xvfb
    wait $xvfb 2>/dev/null || true
done
