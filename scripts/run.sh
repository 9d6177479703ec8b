#!/usr/bin/env bash
# Builds Varnoke and starts it.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
bash "$here/scripts/setup.sh"
cmake --build "$here/build" --target varnoke -j"$(nproc)"
exec "$here/build/app/varnoke" "$@"
