#!/usr/bin/env bash
# Installs what is missing, builds the benchmarks (Release) and runs each of them.
# Every figure is printed beside a reference measured in the same run; the run ends with
# one table of each ratio beside its goal (bench/goals.txt).
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps
cmake -S . -B build/bench -DCMAKE_BUILD_TYPE=Release -DRESAM_BENCH=ON >/dev/null
cmake --build build/bench -j2
results=build/bench/results
rm -rf "$results"
mkdir -p "$results"
for b in build/bench/bench/bench_*; do
  [ -x "$b" ] || continue
  echo "== $(basename "$b")"
  QT_QPA_PLATFORM=offscreen "$b" --benchmark_out="$results/$(basename "$b").json" --benchmark_out_format=json "$@"
done
build/bench/bench/BenchSummary bench/goals.txt "$results"/*.json
