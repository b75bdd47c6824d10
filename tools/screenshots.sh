#!/usr/bin/env bash
# Runs the game under Xvfb and saves screenshots of the splash and the main
# menu, to look at what a child sees.
# Usage: tools/screenshots.sh [output-folder] [WIDTHxHEIGHT]
set -euo pipefail
cd "$(dirname "$0")/.."
out=${1:-/tmp/sujinoshima-shots}
size=${2:-1024x768}
mkdir -p "$out"
command -v Xvfb >/dev/null && command -v import >/dev/null || {
    echo "needs Xvfb and ImageMagick's import: apt-get install xvfb imagemagick" >&2
    exit 1
}
display=:$((90 + RANDOM % 9))
Xvfb "$display" -screen 0 "${size}x24" >/dev/null 2>&1 &
xvfb=$!
trap 'kill $game $xvfb 2>/dev/null || true' EXIT
sleep 1
DISPLAY=$display game/sujinoshima >/dev/null 2>&1 &
game=$!
sleep 2
DISPLAY=$display import -window root "$out/splash.png"
sleep 4
DISPLAY=$display import -window root "$out/main-menu.png"
echo "saved $out/splash.png and $out/main-menu.png"
