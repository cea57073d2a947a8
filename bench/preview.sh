#!/usr/bin/env bash
# Resident memory of a window at rest, while each of three previews plays
# (real player, vo=gpu on the software renderer, under a virtual X server)
# and after each stops; beside it the part mapped from files (libraries such
# as the renderer's). Seven runs; median and spread (lowest-highest), in MB.
# Usage: bench/preview.sh [build folder]   (default: build)
set -euo pipefail
cd "$(dirname "$0")/.."
build="${1:-build}"
cmake --build "$build" --target bench_preview_memory >/dev/null
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
ffmpeg -y -hide_banner -loglevel error -f lavfi -i testsrc=size=640x480:rate=25:duration=20 \
  -f lavfi -i sine=duration=20 -c:v libx264 -pix_fmt yuv420p -c:a aac -shortest "$work/clip.mp4"

for _ in 1 2 3 4 5 6 7; do
  xvfb-run -a -s "-screen 0 1024x768x24" "$build/bench/bench_preview_memory" "$work/clip.mp4" 2>/dev/null
done >"$work/runs"

# Median and spread of one key's values, in MB.
summary() {
  sed -n "s/^$1=//p" "$work/runs" | sort -n |
    awk '{ v[NR] = $1 } END { printf "%8.1f %6.1f-%-6.1f", v[int((NR + 1) / 2)] / 1024, v[1] / 1024, v[NR] / 1024 }'
}

printf '%-16s %22s %22s\n' "" "resident MB (spread)" "from files MB (spread)"
for moment in rest first_playing first_stopped second_playing second_stopped third_playing third_stopped; do
  printf '%-16s %22s %22s\n' "$moment" "$(summary "${moment}_kb")" "$(summary "${moment}_file_kb")"
done
