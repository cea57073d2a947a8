#!/usr/bin/env bash
# The main window with a long job list, offscreen: its own CPU per row to
# add, select, check, remove half of and start a batch over 10,000 rows,
# the rows one progress update repaints, and its memory at rest with the
# rows against the empty window. Prints the median and spread of the rounds.
# Usage: bench/rows.sh [build folder] [rows]   (default: build 10000; BENCH_ROUNDS=n, 5 by default)
set -euo pipefail
cd "$(dirname "$0")/.."
source bench/pairs.sh
build="${1:-build}"
rows="${2:-10000}"
cmake --build "$build" --target bench_rows >/dev/null
runtime=$(mktemp -d)
trap 'rm -rf "$runtime"' EXIT
machine_load before
out=$(QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR="$runtime" "$build/bench/bench_rows" "${BENCH_ROUNDS:-5}" "$rows")
head -n 1 <<<"$out"
column() { awk -v field="$1" '$1 == "round" { print $field }' <<<"$out"; }
column 2 | summarize "window's CPU per row: adding" ms
column 3 | summarize "window's CPU per row: selecting all" ms
column 4 | summarize "window's CPU per row: checking all" ms
column 5 | summarize "window's CPU per row: removing half" ms
column 6 | summarize "window's CPU per row: starting a batch" ms
awk '$1 == "repaint" { print $2 }' <<<"$out" | summarize "rows repainted per progress update" rows
awk '$1 == "memory" { print $3, $2 }' <<<"$out" | awk '{ printf "%.1f %.1f\n", $1 / 1024, $2 / 1024 }' |
  summarize "memory at rest: $rows rows vs empty" MB
machine_load after
