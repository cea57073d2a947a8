#!/usr/bin/env bash
# How many processor cores each encoder of the profile catalogue keeps busy:
# each one converts the same source through register.dat (a 30 s 640x480
# H.264 clip for the video encoders, 60 s of stereo WAV for the audio ones),
# and the CPU time of every thread of the run (register.dat and its ffmpeg)
# is read from /proc while it runs. The figure is the run's CPU time over its
# busiest thread's: what the run could use at most if every core were free.
# Unlike CPU over wall time it does not shrink when other work shares the
# machine. The rule for "Jobs at once" (src/jobs/jobs_at_once.cpp) is written
# from these figures.
# Usage: bench/encoders.sh [build folder]   (default: build; BENCH_RUNS=n, 3 by default)
set -euo pipefail
cd "$(dirname "$0")/.."
source bench/pairs.sh
bin="${1:-build}/bin"
runs=${BENCH_RUNS:-3}
[ -x "$bin/register.dat" ] || { echo "Build first: ./scripts/build.sh" >&2; exit 1; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

ffmpeg -loglevel error -f lavfi -i testsrc=size=640x480:rate=25:duration=30 \
  -f lavfi -i sine=frequency=440:duration=30 -c:v libx264 -preset ultrafast -c:a aac -shortest "$work/in.mp4"
ffmpeg -loglevel error -f lavfi -i sine=frequency=440:duration=60 -ac 2 "$work/in.wav"

# measure <output> <arguments...>: runs register.dat in a process group of its
# own and prints "<CPU ms> <busiest thread's CPU ms> <wall ms>".
measure() {
  local out=$1
  shift
  local start end pid
  start=$(date +%s%N)
  setsid "$bin/register.dat" "$@" "$out" >/dev/null 2>&1 &
  pid=$!
  # Each thread's CPU ticks, the last value seen per thread.
  declare -A ticks=()
  while kill -0 "$pid" 2>/dev/null; do
    for stat in $(pgrep -g "$pid" | sed 's|.*|/proc/&/task/*/stat|'); do
      # Fields after the command's closing parenthesis: utime is the 12th, stime the 13th.
      read -r tid rest <"$stat" 2>/dev/null || continue
      rest=${rest##*) }
      set -- $rest
      ticks[$tid]=$((${12} + ${13}))
    done 2>/dev/null
    sleep 0.05
  done
  wait "$pid" || true
  end=$(date +%s%N)
  local total=0 most=0 t hz
  hz=$(getconf CLK_TCK)
  for t in "${ticks[@]}"; do
    total=$((total + t))
    ((t > most)) && most=$t
  done
  echo "$((total * 1000 / hz)) $((most * 1000 / hz)) $(((end - start) / 1000000))"
}

# encoder <name> <input> <output extension> <arguments>: BENCH_RUNS runs,
# the median of each figure.
encoder() {
  local name=$1 input=$2 ext=$3
  shift 3
  local rows=() i
  for ((i = 0; i < runs; i++)); do
    rows+=("$(measure "$work/out.$ext" -y -i "$input" "$@")")
    rm -f "$work/out.$ext"
  done
  printf '%s\n' "${rows[@]}" | awk -v name="$name" '
    { cpu[NR] = $1; most[NR] = $2; wall[NR] = $3; cores[NR] = $2 > 0 ? $1 / $2 : 0 }
    function median(v, n,    i, j, t) {
      for (i = 2; i <= n; i++) for (j = i; j > 1 && v[j - 1] > v[j]; j--) { t = v[j]; v[j] = v[j - 1]; v[j - 1] = t }
      return n % 2 ? v[(n + 1) / 2] : (v[n / 2] + v[n / 2 + 1]) / 2
    }
    END { printf "%-12s %8.0f %8.0f %8.0f %6.2f\n", name, median(cpu, NR), median(most, NR), median(wall, NR), median(cores, NR) }'
}

video=(-b 1200000 -s 640x480 -an)
audio=(-vn -ab 128000 -ac 2)
machine_load before
printf '%-12s %8s %8s %8s %6s\n' encoder "CPU ms" "thread" "wall ms" cores
encoder libx264 "$work/in.mp4" mp4 "${video[@]}" -vcodec libx264 -pix_fmt yuv420p
encoder libxvid "$work/in.mp4" avi "${video[@]}" -vcodec libxvid -vtag XVID
encoder mpeg4 "$work/in.mp4" avi "${video[@]}" -vcodec mpeg4 -vtag DIVX
encoder msmpeg4 "$work/in.mp4" avi "${video[@]}" -vcodec msmpeg4
encoder wmv2 "$work/in.mp4" wmv "${video[@]}" -vcodec wmv2
encoder flv "$work/in.mp4" flv "${video[@]}" -vcodec flv
encoder h263 "$work/in.mp4" 3gp -b 1200000 -s 352x288 -an -vcodec h263
encoder rv20 "$work/in.mp4" rm "${video[@]}" -vcodec rv20
encoder mpeg1video "$work/in.mp4" mpg "${video[@]}" -vcodec mpeg1video -f mpeg
encoder mpeg2video "$work/in.mp4" mpg "${video[@]}" -vcodec mpeg2video -f vob
today=(-crf 30 -b:v 0 -s 640x480 -an)
encoder libx265 "$work/in.mp4" mkv "${today[@]}" -vcodec libx265 -preset fast -x265-params log-level=warning
encoder libvpx-vp9 "$work/in.mp4" webm "${today[@]}" -vcodec libvpx-vp9 -deadline good -cpu-used 4 -row-mt 1
encoder libsvtav1 "$work/in.mp4" mkv "${today[@]}" -vcodec libsvtav1 -preset 8
encoder libmp3lame "$work/in.wav" mp3 "${audio[@]}" -acodec libmp3lame
encoder aac "$work/in.wav" m4a "${audio[@]}" -acodec aac
encoder libvorbis "$work/in.wav" ogg "${audio[@]}" -acodec libvorbis
encoder ac3 "$work/in.wav" ac3 "${audio[@]}" -acodec ac3 -ar 48000
encoder wmav2 "$work/in.wav" wma "${audio[@]}" -acodec wmav2
encoder mp2 "$work/in.wav" mp2 "${audio[@]}" -acodec mp2
encoder pcm_s16le "$work/in.wav" wav -vn -ac 2 -acodec pcm_s16le
encoder pcm_s16be "$work/in.wav" aiff -vn -ac 2 -acodec pcm_s16be
encoder amr_nb "$work/in.wav" amr -vn -ab 12200 -ac 1
encoder libopus "$work/in.wav" opus "${audio[@]}" -acodec libopus
encoder flac "$work/in.wav" flac -vn -ac 2 -acodec flac
encoder alac "$work/in.wav" m4a -vn -ac 2 -acodec alac
machine_load after
