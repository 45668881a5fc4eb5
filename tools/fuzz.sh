#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for a bounded time.
#   tools/fuzz.sh [seconds per target, default 300]
# New inputs go to <build>/corpus/<target> (the seeds in fuzz/corpus stay as they are);
# a crashing input is saved in <build>/artifacts/ and the script exits non-zero.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-300}"
build="${FUZZ_BUILD_DIR:-build-fuzz}"
targets=(score_file tips_file saved_game parse_int32)

cmake -S fuzz -B "$build" -G Ninja -DCMAKE_CXX_COMPILER=clang++ >/dev/null
cmake --build "$build" -j"${JOBS:-2}"

mkdir -p "$build/artifacts"
status=0
for t in "${targets[@]}"; do
  mkdir -p "$build/corpus/$t"
  log="$build/fuzz_$t.log"
  echo "== fuzz_$t for ${seconds}s"
  if "$build/fuzz_$t" -max_total_time="$seconds" -print_final_stats=1 \
       -artifact_prefix="$build/artifacts/$t-" \
       "$build/corpus/$t" "fuzz/corpus/$t" >"$log" 2>&1; then
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
    echo "fuzz_$t: ${runs:-?} executions, no finding"
  else
    status=1
    echo "fuzz_$t: FAILED, see $log" >&2
    tail -40 "$log" >&2
  fi
done
exit "$status"
