#!/usr/bin/env bash
# Fuzzes the readers of outside data with libFuzzer: the ".dkr" reader, the ".tbl"/".inp"
# reader, the number-text readers, the session (".resam") reader and the recording readers (sound
# files through libsndfile from memory, CSV series), built with Debian's
# clang under AddressSanitizer and UndefinedBehaviorSanitizer, seeded with files the
# program's own writers produce.
#   ./fuzz.sh [executions per target, default 10000000] [target ...]
# Targets: DrawingFuzz TableFuzz NumberFuzz SessionFuzz SoundFuzz SeriesFuzz (all by default). A fault stops the
# run and leaves the input in build/fuzz/artifacts/; copy it into tests/fuzz/corpus/<kind>/
# with the fix, so that ./test.sh replays it from then on. Runs at low priority (nice 19), in
# libFuzzer's fork mode: one worker per core, each a fresh process for a short job, so that
# the sanitizer's bookkeeping (which slows a long single process down to a third of its
# speed) never piles up, and ten million executions take well under an hour.
set -euo pipefail
cd "$(dirname "$0")"
runs=${1:-10000000}
shift || true
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(DrawingFuzz TableFuzz NumberFuzz SessionFuzz SoundFuzz SeriesFuzz)

scripts/install-deps
# libFuzzer comes with clang's runtime libraries; only this script needs them.
if ! command -v clang++ >/dev/null 2>&1 || ! [ -f "$(clang++ -print-file-name=libclang_rt.fuzzer-x86_64.a)" ]; then
  as_root=(); [ "$(id -u)" -eq 0 ] || as_root=(sudo)
  echo "fuzz.sh: installing clang and its runtime libraries (libFuzzer)"
  "${as_root[@]}" apt-get update
  "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends \
    clang libclang-rt-14-dev </dev/null
fi

build=build/fuzz
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ -DRESAM_FUZZ=ON >/dev/null
cmake --build "$build" -j2 --target FuzzSeeds "${targets[@]}"
QT_QPA_PLATFORM=offscreen "$build/fuzz/FuzzSeeds" "$build/seeds"

declare -A kind=([DrawingFuzz]=drawing [TableFuzz]=table [NumberFuzz]=number [SessionFuzz]=session [SoundFuzz]=sound
                [SeriesFuzz]=csv)
declare -A maxlen=([DrawingFuzz]=8192 [TableFuzz]=8192 [NumberFuzz]=256 [SessionFuzz]=8192 [SoundFuzz]=8192
                  [SeriesFuzz]=4096)
# The session reader frees many texts of every size, and the JSON parser's recursion gives
# their allocations ever new call stacks: with AddressSanitizer's default quarantine and
# stack records the process outgrows the memory limit long before ten million runs. A
# smaller quarantine, shorter stack records and a higher limit see them through (the same
# inputs without the sanitizer run in constant memory).
declare -A asan=([SessionFuzz]=quarantine_size_mb=32:malloc_context_size=8)
declare -A rss=([SessionFuzz]=4096)
mkdir -p "$build/artifacts"
summary=()
for t in "${targets[@]}"; do
  k=${kind[$t]}
  mkdir -p "$build/corpus/$k" "$build/seeds/$k"
  log="$build/$t.log"
  echo "fuzz.sh: $t, $runs executions (log: $log)"
  # The first folder collects what the run finds; the seeds and the kept corpus only feed it.
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS="${asan[$t]:-}" LSAN_OPTIONS=suppressions=$PWD/fuzz/lsan.supp \
      nice -n 19 "$build/fuzz/$t" -fork="$(nproc)" -runs="$runs" -max_len="${maxlen[$t]}" \
      -timeout=10 -rss_limit_mb="${rss[$t]:-2048}" -print_final_stats=1 -artifact_prefix="$build/artifacts/$t-" \
      "$build/corpus/$k" "$build/seeds/$k" "tests/fuzz/corpus/$k" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "fuzz.sh: $t FOUND A FAULT; the input is in $build/artifacts/" >&2
    exit 1
  fi
  # Fork mode ends with "fuzzed for N iterations" and "exiting: 0 time: Ss"; its "#N: cov: ..."
  # lines give the coverage (and only the last job's pace, so the pace is the run's own).
  done_runs=$(grep -o 'fuzzed for [0-9]* iterations' "$log" | grep -o '[0-9]*' || echo "?")
  elapsed=$(grep -o 'exiting: 0 time: [0-9]*' "$log" | grep -o '[0-9]*$' || echo 0)
  seconds="?"
  [[ "$done_runs" =~ ^[0-9]+$ && "$elapsed" -gt 0 ]] && seconds=$((done_runs / elapsed))
  cov=$(grep '^#[0-9]*: cov:' "$log" | tail -n 1 | grep -o 'cov: [0-9]*' | grep -o '[0-9]*' || echo "?")
  summary+=("$(printf '%-12s %12s executions  %8s per second  coverage %s  nothing found' "$t" "$done_runs" "$seconds" "$cov")")
done
printf '%s\n' "${summary[@]}"
