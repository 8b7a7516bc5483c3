#!/usr/bin/env bash
# The test command: installs what is missing, builds everything under
# AddressSanitizer and UndefinedBehaviorSanitizer, and runs every test.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"
build="$root/build/test"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DKESTRIX_SANITIZE=ON -DKESTRIX_WERROR=ON
cmake --build "$build" -j"$(nproc)"
cd "$build"
ctest -j"$(nproc)" --output-on-failure --timeout 600
