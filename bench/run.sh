#!/usr/bin/env bash
# Builds the benchmarks in an optimised, unsanitized configuration
# (build/bench) and runs them; arguments go to every benchmark
# (for instance --runs 11).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"
build="$root/build/bench"
# -O2, not CMake's -O3: GCC 12 at -O3 gives a false -Wrestrict on std::string
# assignments (GCC bug 105329), and our code builds with -Werror.
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_CXX_FLAGS_RELEASE="-O2 -DNDEBUG" \
  -DKESTRIX_SANITIZE=OFF -DKESTRIX_TESTS=OFF
cmake --build "$build" -j"$(nproc)"
mapfile -t benchmarks < "$build/bench/benchmarks.txt"
for benchmark in "${benchmarks[@]}"; do
  [ -n "$benchmark" ] || continue
  echo "== $(basename "$benchmark")"
  "$benchmark" "$@"
done
