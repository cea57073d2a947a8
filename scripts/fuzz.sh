#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the fuzz harnesses of tests/fuzz with clang (libFuzzer, AddressSanitizer,
# UndefinedBehaviorSanitizer, every library instrumented) into build-fuzz/ and
# runs each for the given number of seconds, printing its executions and
# findings. Inputs that break a harness land in build-fuzz/runs/<harness>/findings/;
# replay one with build-fuzz/fuzz/fuzz_<harness> <file>. Exits 1 when anything
# was found.
# Usage: scripts/fuzz.sh [seconds per harness, default 60] [harness...]
# FUZZ_JOBS=N runs N fuzzing processes per harness at once (default 1); the
# executions printed are their sum.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-60}
[ $# -gt 0 ] && shift
harnesses=("$@")
[ ${#harnesses[@]} -eq 0 ] && harnesses=(progress probe profiles_pop ini skin softinfo language bridge_args)

./scripts/install-deps.sh --clang

launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=ON \
  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ -DVELTRIX_FUZZ=ON "${launcher[@]}" >/dev/null
targets=()
for h in "${harnesses[@]}"; do targets+=("fuzz_$h"); done
cmake --build build-fuzz -j"$(nproc)" --target "${targets[@]}"

export ASAN_OPTIONS=halt_on_error=1:detect_leaks=1:allocator_may_return_null=1
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
export QT_QPA_PLATFORM=offscreen

found=0
printf '%-14s %12s %9s  %s\n' harness executions findings "distinct reports"
for h in "${harnesses[@]}"; do
  run=build-fuzz/runs/$h
  rm -rf "$run/findings" "$run/log"
  mkdir -p "$run/corpus" "$run/findings"
  # Fork mode keeps fuzzing after a finding, so every harness runs its full
  # time; new inputs go to the run's own corpus, the seeds stay as they are.
  ( cd "$run" && "../../fuzz/fuzz_$h" -fork="${FUZZ_JOBS:-1}" -ignore_crashes=1 -ignore_timeouts=1 -ignore_ooms=1 \
      -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -artifact_prefix=findings/ \
      corpus "../../../tests/fuzz/corpus/$h" >log 2>&1 ) || true
  executions=$(grep -oE '^#[0-9]+' "$run/log" | tail -1 | tr -d '#')
  findings=$(find "$run/findings" -type f | wc -l)
  # What each finding breaks, read by running it once more.
  reports=$(find "$run/findings" -type f | head -50 | while read -r input; do
      "build-fuzz/fuzz/fuzz_$h" "$input" 2>&1 |
        grep -m1 -oE 'property failed: [^(]*|SUMMARY: [A-Za-z]+Sanitizer: [^ ]+|ERROR: libFuzzer: [a-z-]+' || true
    done | sed 's/ *$//' | sort -u | paste -sd ';' -)
  printf '%-14s %12s %9s  %s\n' "$h" "${executions:-0}" "$findings" "${reports:--}"
  [ "$findings" -gt 0 ] && found=1
done
exit $found
