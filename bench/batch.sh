#!/usr/bin/env bash
# Batches and the adding of files through the program's own window
# (offscreen), against the same ffmpeg work done directly, in alternated
# rounds (see pairs.sh); prints median times, ratios and their spread, and
# the window's own CPU.
# Usage: bench/batch.sh [build folder] [parts...]
#   parts: batch add mp3 h264 (the default), add2000 (2,000 files, slow) and
#   library (48 tagged FLAC tracks to MP3 against SoundConverter's batch
#   mode, which the script installs);
#   BENCH_PAIRS=n rounds (7 at least), or BENCH_ROUNDS=n (5 at least) for
#   the slow parts.
set -euo pipefail
cd "$(dirname "$0")/.."
source bench/pairs.sh
build="${1:-build}"
shift || true
[[ " $* " == *" library "* ]] && ./scripts/install-deps.sh --bench >/dev/null
cmake --build "$build" --target bench_batch >/dev/null
runtime=$(mktemp -d)
trap 'rm -rf "$runtime"' EXIT
machine_load before
out=$(QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR="$runtime" "$build/bench/bench_batch" "${BENCH_ROUNDS:-$pairs}" "$@")
head -n 1 <<<"$out"

# pair_rows <what> <program field> <ffmpeg field>: "<program> <ffmpeg>" rows of one
# comparison (fields 3 and 5 hold wall times, 4 and 6 CPU times).
pair_rows() { awk -v what="$1" -v a="$2" -v b="$3" '$1 == "pair" && $2 == what { print $a, $b }' <<<"$out"; }
# The window's own CPU, one value per round.
window_rows() { awk -v what="$1" '$1 == "window" && $2 == what { print $3 }' <<<"$out"; }
# part <what> <caption>: the rows of one part, when it ran.
part() {
  grep -q "^pair $1 " <<<"$out" || return 0
  pair_rows "$1" 3 5 | summarize "$2, wall" ms
  pair_rows "$1" 4 6 | summarize "$2, CPU" ms
}

printf '%-40s %12s %12s\n' "" "program" "ffmpeg"
part batch "batch of 5 x 30 s clips to DivX"
part h264 "batch of 5 x 30 s clips to H.264"
part mp3 "16 x 40 s WAV to MP3"
part add "adding 50 files vs 50 ffmpeg -i"
part add2000 "adding 2,000 files vs 2,000 ffmpeg -i"
part library "48 x 30 s tagged FLAC to MP3 vs SoundConverter -b"
grep "^check " <<<"$out" | sort | uniq -c
for what in batch h264 mp3 library; do
  grep -q "^window $what " <<<"$out" && window_rows "$what" | summarize "window's own CPU per $what batch" ms
done
for what in add add2000; do
  grep -q "^window ${what}_per_file " <<<"$out" && window_rows "${what}_per_file" | summarize "window's own CPU per file ($what)" ms
done
machine_load after
