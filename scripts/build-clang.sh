#!/usr/bin/env bash
# Builds everything with Debian's Clang as well (build/clang), under
# AddressSanitizer and UndefinedBehaviorSanitizer with warnings as errors, as
# the test build does with GCC; with --test it runs every test of it too.
# CI builds with GCC (scripts/test.sh); this keeps the code within what Clang
# 14, the oldest Clang the project supports, compiles.
#
#   scripts/build-clang.sh [--test]
#   CXX=clang++-16 CC=clang-16 scripts/build-clang.sh
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cxx=${CXX:-clang++-14}
cc=${CC:-clang-14}
if ! command -v "$cxx" > /dev/null; then
  echo "$cxx is not installed (Debian: apt-get install clang-14)" >&2
  exit 2
fi
"$root/scripts/install-deps.sh"
build="$root/build/clang"
mkdir -p "$build"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DKESTRIX_SANITIZE=ON -DKESTRIX_WERROR=ON \
  -DCMAKE_C_COMPILER="$cc" -DCMAKE_CXX_COMPILER="$cxx" > "$build/configure.log" 2>&1 ||
  { cat "$build/configure.log"; exit 1; }
cmake --build "$build" -j"$(nproc)"
if [ "${1:-}" = "--test" ]; then
  cd "$build"
  ctest -j"$(nproc)" --output-on-failure --timeout 600
fi
