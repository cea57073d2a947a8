#!/usr/bin/env bash
# Encoder pipeline against bare ffmpeg: the same conversions through
# register.dat and through ffmpeg alone (a classic profile, a stream copy
# from MKV to MP4 as "Same streams, new container" gives it, and AV1 with
# Opus as "WebM - AV1 Video + Opus" gives it), and the probe ("-i" alone,
# which register.dat answers in process) against a bare "ffmpeg -i". Runs
# each pair alternated (see pairs.sh) and prints median times and ratios.
# Usage: bench/pipeline.sh [build folder]   (default: build; BENCH_PAIRS=n)
set -euo pipefail
cd "$(dirname "$0")/.."
source bench/pairs.sh
bin="${1:-build}/bin"
[ -x "$bin/register.dat" ] || { echo "Build first: ./scripts/build.sh" >&2; exit 1; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

ffmpeg -loglevel error -f lavfi -i testsrc=size=640x480:rate=25:duration=60 \
  -f lavfi -i sine=frequency=440:duration=60 -c:v libx264 -preset ultrafast -c:a aac -shortest "$work/in.mp4"

ffmpeg -loglevel error -i "$work/in.mp4" -c copy "$work/in.mkv"
ffmpeg -loglevel error -i "$work/in.mp4" -t 10 -c copy "$work/short.mp4"

pieces=(-ss 00:00:00 -y -i "$work/in.mp4" -r 25 -b 800000 -ab 128000 -ac 2 -s 320x240 -ar 44100
        -vcodec mpeg4 -acodec libmp3lame "$work/out.avi")
convert_bridge() { "$bin/register.dat" "${pieces[@]}"; }
convert_bare() { ffmpeg -nostdin -hide_banner "${pieces[@]}"; }
remux=(-y -i "$work/in.mkv" -map 0 -c copy "$work/out.mp4")
remux_bridge() { "$bin/register.dat" "${remux[@]}"; }
remux_bare() { ffmpeg -nostdin -hide_banner "${remux[@]}"; }
av1=(-y -i "$work/short.mp4" -crf 35 -b:v 0 -ab 128000 -ac 2 -vcodec libsvtav1 -preset 8 -acodec libopus
     "$work/out.webm")
av1_bridge() { "$bin/register.dat" "${av1[@]}"; }
av1_bare() { ffmpeg -nostdin -hide_banner "${av1[@]}"; }
probe_bridge() { "$bin/register.dat" -i "$work/in.mp4"; }
probe_bare() { ffmpeg -nostdin -hide_banner -i "$work/in.mp4"; }

machine_load before
printf '%-40s %12s %12s\n' "60 s 640x480 H.264/AAC input" "register.dat" "ffmpeg"
compare "convert to MPEG-4/MP3 AVI 320x240" convert_bridge convert_bare
compare "same streams, MKV to MP4 (60 s)" remux_bridge remux_bare
compare "AV1 + Opus WebM, CRF 35 (10 s)" av1_bridge av1_bare
compare "probe (-i only)" probe_bridge probe_bare
machine_load after
