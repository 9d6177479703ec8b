#!/usr/bin/env bash
# Builds Varnoke and its tests and runs the whole suite headless.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
bash "$here/scripts/setup.sh"
cmake --build "$here/build" -j"$(nproc)"
export QT_QPA_PLATFORM=offscreen
cd "$here/build"
ctest --output-on-failure -j"$(nproc)"
