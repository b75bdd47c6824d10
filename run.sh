#!/usr/bin/env bash
# Installs what is missing, builds, and starts すうじのしま.
set -euo pipefail
cd "$(dirname "$0")"
tools/install-deps.sh
tools/build.sh sujinoshima
exec game/sujinoshima
