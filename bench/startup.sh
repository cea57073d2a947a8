#!/usr/bin/env bash
# Start-up of the main window against a plain Qt window built the same way:
# time from process start until the first show has been handled (median of
# five runs) and peak memory after a moment at rest, under a virtual X server.
# Usage: bench/startup.sh [build folder]   (default: build)
set -euo pipefail
cd "$(dirname "$0")/.."
build="${1:-build}"
cmake --build "$build" --target bench_startup_main_window bench_startup_minimal_window >/dev/null
config=$(mktemp -d)
trap 'rm -rf "$config"' EXIT

# Prints "<median start-up ms> <median peak kB>" of five runs of the program.
measure() {
  local runs
  runs=$(XDG_CONFIG_HOME="$config" xvfb-run -a -s "-screen 0 1280x800x24" bash -c '
    for _ in 1 2 3 4 5; do
      start=$(date +%s%N)
      out=$("$0")
      shown=$(sed -n "s/^shown_ns=//p" <<<"$out")
      peak=$(sed -n "s/^peak_kb=//p" <<<"$out")
      echo "$(( (shown - start) / 1000000 )) $peak"
    done' "$1")
  echo "$(cut -d' ' -f1 <<<"$runs" | sort -n | sed -n 3p) $(cut -d' ' -f2 <<<"$runs" | sort -n | sed -n 3p)"
}

read -r main_ms main_kb < <(measure "$build/bench/bench_startup_main_window")
read -r plain_ms plain_kb < <(measure "$build/bench/bench_startup_minimal_window")
printf '%-22s %12s %14s\n' "" "start-up ms" "peak memory kB"
printf '%-22s %12s %14s\n' "main window" "$main_ms" "$main_kb"
printf '%-22s %12s %14s\n' "plain Qt window" "$plain_ms" "$plain_kb"
awk -v a="$main_ms" -v b="$plain_ms" -v c="$main_kb" -v d="$plain_kb" \
  'BEGIN { printf "ratios: start-up %.2f, peak memory %.2f\n", a / b, c / d }'
