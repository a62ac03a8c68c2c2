#!/usr/bin/env bash
# Installs what is missing, builds the benchmarks (Release) and runs each of them.
# Every figure is printed beside a reference measured in the same run.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps
cmake -S . -B build/bench -DCMAKE_BUILD_TYPE=Release -DRESAM_BENCH=ON >/dev/null
cmake --build build/bench -j2
for b in build/bench/bench/bench_*; do
  [ -x "$b" ] || continue
  echo "== $(basename "$b")"
  QT_QPA_PLATFORM=offscreen "$b" "$@"
done
