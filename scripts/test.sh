#!/usr/bin/env bash
# Builds Varnoke and its tests and runs the whole suite headless; then builds the same suite under
# AddressSanitizer and UndefinedBehaviorSanitizer (build-asan) and runs it again. An include that
# breaks the floors of src/ fails it first.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
bash "$here/scripts/setup.sh"
bash "$here/scripts/check_includes.sh"
cmake --build "$here/build" -j"$(nproc)"
export QT_QPA_PLATFORM=offscreen
(cd "$here/build" && ctest --output-on-failure -j"$(nproc)")

cmake -S "$here" -B "$here/build-asan" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVARNOKE_SANITIZE=ON >/dev/null
cmake --build "$here/build-asan" -j"$(nproc)"
(cd "$here/build-asan" && ctest --output-on-failure -j"$(nproc)")
