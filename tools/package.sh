#!/usr/bin/env bash
# Builds the game and makes its Debian package:
#   build/package/sujinoshima_<version>_<arch>.deb
# Install it with: apt install ./build/package/sujinoshima_*.deb
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-deps.sh --package
tools/build.sh sujinoshima sujinoshima_sound game_assets game_icons sujinoshima-report report_manual
(cd build && cpack -G DEB -B "$PWD/package" >/dev/null)
rm -rf build/package/_CPack_Packages
ls build/package/sujinoshima_*.deb
