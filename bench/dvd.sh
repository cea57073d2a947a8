#!/usr/bin/env bash
# A DVD title through register.dat (sectors read with libdvdread and fed to
# ffmpeg through a pipe) against bare ffmpeg reading the same bytes from the
# VOB file, with the same streams and output options. Runs alternate
# (bridge, ffmpeg, bridge, ffmpeg, ...); prints the median wall and CPU
# times (user + system, children included), the median of the per-pair
# ratios and their spread. Goal: wall-time ratio at most 1.05. On a busy
# machine the CPU-time ratio is the steadier figure.
# Usage: bench/dvd.sh [build folder] [pairs]   (defaults: build, 9)
set -euo pipefail
cd "$(dirname "$0")/.."
bin="${1:-build}/bin"
pairs="${2:-9}"
[ -x "$bin/register.dat" ] || { echo "Build first: ./scripts/build.sh" >&2; exit 1; }
[ "$pairs" -ge 7 ] || { echo "At least 7 pairs" >&2; exit 1; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# The test disc: title set 1 holds one 35 s 720x576 title, its cells filling
# VTS_01_1.VOB from the first sector to the last.
tests/support/author_test_dvd.sh "$work/dvd" 720 576 440 880 368 500 72 40 ffff00
disc="$work/dvd/disc"
vob="$disc/VIDEO_TS/VTS_01_1.VOB"
last=$(( $(stat -c %s "$vob") / 2048 - 1 ))
input="veltrix-dvd:root=$disc&vts=1&cells=0-$last&audio=0x80"

output=(-r 25 -b 799000 -ab 128000 -ac 2 -aspect 1.3333 -s 320x240 -ar 44100
        -vcodec mpeg4 -vtag DIVX -acodec libmp3lame)
bridge=("$bin/register.dat" -y -i "$input" "${output[@]}" "$work/bridge.avi")
bare=(ffmpeg -nostdin -hide_banner -nostats -y -probesize 50M -analyzeduration 30M -i "$vob"
      -map 0:v:0 -map 0:i:0x80 "${output[@]}" "$work/bare.avi")

# "wall-ms cpu-ms" of one run.
measure() {
  local TIMEFORMAT='%R %U %S' times
  times=$( { time "$@" >/dev/null 2>&1; } 2>&1 ) || { echo "failed: $*" >&2; exit 1; }
  awk '{ printf "%d %d\n", $1 * 1000, ($2 + $3) * 1000 }' <<<"$times"
}

ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.4f", a / b }'; }

bridge_wall=() bare_wall=() bridge_cpu=() bare_cpu=() wall_ratios=() cpu_ratios=()
for _ in $(seq "$pairs"); do
  read -r aw ac < <(measure "${bridge[@]}")
  read -r bw bc < <(measure "${bare[@]}")
  bridge_wall+=("$aw") bare_wall+=("$bw") bridge_cpu+=("$ac") bare_cpu+=("$bc")
  wall_ratios+=("$(ratio "$aw" "$bw")") cpu_ratios+=("$(ratio "$ac" "$bc")")
done

median() { printf '%s\n' "$@" | sort -g | awk '{ v[NR] = $1 } END { print (NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2) }'; }
lowest() { printf '%s\n' "$@" | sort -g | head -1; }
highest() { printf '%s\n' "$@" | sort -g | tail -1; }

printf '35 s 720x576 DVD title to MPEG-4/MP3 AVI 320x240, %s alternated pairs\n' "$pairs"
printf '%-28s %10s %10s\n' "" "wall" "cpu"
printf '%-28s %7s ms %7s ms\n' "register.dat (DVD input)" "$(median "${bridge_wall[@]}")" "$(median "${bridge_cpu[@]}")"
printf '%-28s %7s ms %7s ms\n' "bare ffmpeg (VOB file)" "$(median "${bare_wall[@]}")" "$(median "${bare_cpu[@]}")"
printf '%-28s %10.3f %10.3f   (median of the pair ratios; goal <= 1.05)\n' "ratio" \
  "$(median "${wall_ratios[@]}")" "$(median "${cpu_ratios[@]}")"
printf '%-28s %4.2f-%4.2f  %4.2f-%4.2f\n' "spread (lowest-highest)" \
  "$(lowest "${wall_ratios[@]}")" "$(highest "${wall_ratios[@]}")" \
  "$(lowest "${cpu_ratios[@]}")" "$(highest "${cpu_ratios[@]}")"
