#!/usr/bin/env bash
# Encoder pipeline against bare ffmpeg: the same conversion through
# register.dat and through ffmpeg alone (median wall time of five runs each),
# and the probe against a bare "ffmpeg -i". Prints the ratios.
# Usage: bench/pipeline.sh [build folder]   (default: build)
set -euo pipefail
cd "$(dirname "$0")/.."
bin="${1:-build}/bin"
[ -x "$bin/register.dat" ] || { echo "Build first: ./scripts/build.sh" >&2; exit 1; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

ffmpeg -loglevel error -f lavfi -i testsrc=size=640x480:rate=25:duration=60 \
  -f lavfi -i sine=frequency=440:duration=60 -c:v libx264 -preset ultrafast -c:a aac -shortest "$work/in.mp4"

# Median wall time in milliseconds of five runs of the command.
median_ms() {
  local times=()
  for _ in 1 2 3 4 5; do
    local start end
    start=$(date +%s%N)
    "$@" >/dev/null 2>&1 || true
    end=$(date +%s%N)
    times+=($(( (end - start) / 1000000 )))
  done
  printf '%s\n' "${times[@]}" | sort -n | sed -n 3p
}

pieces=(-ss 00:00:00 -y -i "$work/in.mp4" -r 25 -b 800000 -ab 128000 -ac 2 -s 320x240 -ar 44100
        -vcodec mpeg4 -acodec libmp3lame "$work/out.avi")
bare=(-nostdin -hide_banner "${pieces[@]}")

conv_bridge=$(median_ms "$bin/register.dat" "${pieces[@]}")
conv_bare=$(median_ms ffmpeg "${bare[@]}")
probe_bridge=$(median_ms "$bin/register.dat" -i "$work/in.mp4")
probe_bare=$(median_ms ffmpeg -nostdin -hide_banner -i "$work/in.mp4")

ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", (b > 0 ? a / b : 0) }'; }
printf '%-34s %8s %8s %7s\n' "60 s 640x480 H.264/AAC input" "bridge" "ffmpeg" "ratio"
printf '%-34s %6sms %6sms %7s\n' "convert to MPEG-4/MP3 AVI 320x240" "$conv_bridge" "$conv_bare" "$(ratio "$conv_bridge" "$conv_bare")"
printf '%-34s %6sms %6sms %7s\n' "probe (-i only)" "$probe_bridge" "$probe_bare" "$(ratio "$probe_bridge" "$probe_bare")"
