#!/usr/bin/env bash
# Builds the libFuzzer targets with clang in build-fuzz/ and runs each for a bounded
# time: FUZZ_SECONDS or the first argument, 60 s by default. Any finding fails.
# New inputs go to build-fuzz/corpus/<target>; the seeds in tests/fuzz/corpus stay as they are.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds="${1:-${FUZZ_SECONDS:-60}}"
targets=(decimal_entry files)

if ! command -v clang++ >/dev/null; then
  echo "fuzz.sh: clang++ is not installed; the fuzz targets are not built." >&2
  exit 1
fi

cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_CXX_COMPILER=clang++ -DFRATTALIA_FUZZ=ON -DFRATTALIA_TESTS=OFF \
  -DFRATTALIA_BENCH=OFF -DFRATTALIA_WERROR=ON >/dev/null
cmake --build build-fuzz --parallel "$(nproc)" --target "${targets[@]/#/fuzz_}"

for target in "${targets[@]}"; do
  corpus="build-fuzz/corpus/$target"
  log="build-fuzz/fuzz_$target.log"
  mkdir -p "$corpus" build-fuzz/findings
  echo "== fuzz_$target for ${seconds} s"
  status=0
  "build-fuzz/tests/fuzz/fuzz_$target" "$corpus" "tests/fuzz/corpus/$target" \
    -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
    -artifact_prefix="build-fuzz/findings/$target-" >"$log" 2>&1 || status=$?
  if [ "$status" -ne 0 ]; then
    tail -n 60 "$log"
    echo "fuzz_$target found a fault; the input is in build-fuzz/findings/" >&2
    exit 1
  fi
  grep -E "^stat::(number_of_executed_units|peak_rss_mb)|^INFO: Loaded|DONE" "$log" || true
done
