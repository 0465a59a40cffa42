#!/usr/bin/env bash
# Builds the fuzz targets of the order and selection loaders with clang (libFuzzer, address and
# undefined-behaviour sanitizers) in build-fuzz and runs each for a bounded time, starting from
# the seed corpus in fuzz/corpus. FUZZ_SECONDS sets the time per target (default 60). Inputs
# that crash are kept in build-fuzz/artifacts; add them to fuzz/corpus once the fault is mended.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${FUZZ_SECONDS:-60}"
build=build-fuzz
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
  -DVALTRIX_BUILD_FUZZ=ON -DVALTRIX_BUILD_TESTS=OFF -DVALTRIX_BUILD_BENCH=OFF
cmake --build "$build" --target fuzz_order fuzz_selection
mkdir -p "$build/artifacts"
export QT_QPA_PLATFORM=offscreen
for target in order selection; do
  work="$build/corpus-$target"
  mkdir -p "$work"
  echo "== fuzz_$target for ${seconds}s"
  "$build/fuzz/fuzz_$target" "$work" "fuzz/corpus/$target" -max_total_time="$seconds" -timeout=10 \
    -rss_limit_mb=2048 -max_len=65536 -artifact_prefix="$build/artifacts/$target-" -print_final_stats=1
done
