#!/usr/bin/env bash
# A batch of five 30-second clips and the adding of fifty files through the
# program's own window (offscreen), against the same ffmpeg work done
# directly, in alternated rounds (see pairs.sh); prints median times, ratios
# and their spread, and the window's own CPU.
# Usage: bench/batch.sh [build folder]   (default: build; BENCH_PAIRS=n)
set -euo pipefail
cd "$(dirname "$0")/.."
source bench/pairs.sh
build="${1:-build}"
cmake --build "$build" --target bench_batch >/dev/null
runtime=$(mktemp -d)
trap 'rm -rf "$runtime"' EXIT
machine_load before
out=$(QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR="$runtime" "$build/bench/bench_batch" "$pairs")
head -n 1 <<<"$out"

# pair_rows <what> <program field> <ffmpeg field>: "<program> <ffmpeg>" rows of one
# comparison (fields 3 and 5 hold wall times, 4 and 6 CPU times).
pair_rows() { awk -v what="$1" -v a="$2" -v b="$3" '$1 == "pair" && $2 == what { print $a, $b }' <<<"$out"; }
# The window's own CPU, one value per round.
window_rows() { awk -v what="$1" '$1 == "window" && $2 == what { print $3 }' <<<"$out"; }

printf '%-40s %12s %12s\n' "" "program" "ffmpeg"
pair_rows batch 3 5 | summarize "batch of 5 x 30 s clips, wall" ms
pair_rows batch 4 6 | summarize "batch of 5 x 30 s clips, CPU" ms
pair_rows add 3 5 | summarize "adding 50 files vs 50 ffmpeg -i, wall" ms
pair_rows add 4 6 | summarize "adding 50 files vs 50 ffmpeg -i, CPU" ms
window_rows batch | summarize "window's own CPU per batch" ms
window_rows add_per_file | summarize "window's own CPU per added file" ms
machine_load after
