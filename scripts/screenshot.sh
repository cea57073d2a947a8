#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Makes the README's pictures: the main window converting two clips at once
# (build/doc/main-window.png), or with --cutter the clip cutter playing the
# first clip over the video edition (build/doc/cutter.png). The real program
# runs under its own Xvfb with a throw-away home (settings choose an MP4 AVC
# profile and two jobs at once), is given two generated clips on its command
# line, and Start (or Ctrl+T and the cutter's Play) is pressed where the skin
# places it.
# Usage: scripts/screenshot.sh [seconds into the batch, default 4 | --cutter]
set -euo pipefail
cd "$(dirname "$0")/.."
into=${1:-4}

./scripts/install-deps.sh --screenshot
./scripts/build.sh

work=$(mktemp -d)
cleanup() {
  # The program ends by the signal; that end is no failure of the script.
  if [ -n "${program:-}" ]; then kill "$program" 2>/dev/null && wait "$program" 2>/dev/null || true; fi
  if [ -n "${xvfb:-}" ]; then kill "$xvfb" 2>/dev/null || true; fi
  rm -rf "$work"
}
trap cleanup EXIT

# Thirty seconds of picture and sound each, so the batch is mid-way when shot.
ffmpeg -v error -f lavfi -i testsrc2=size=640x360:rate=25 -f lavfi -i sine=f=440 -t 30 \
  -c:v libx264 -preset ultrafast -c:a aac -shortest "$work/Holiday in Lisbon.mp4"
ffmpeg -v error -f lavfi -i mandelbrot=size=640x360:rate=25 -f lavfi -i sine=f=220 -t 30 \
  -c:v libx264 -preset ultrafast -c:a aac -shortest "$work/Garden.mp4"

export HOME=$work/home XDG_CONFIG_HOME=$work/home/.config XDG_STATE_HOME=$work/home/.state
mkdir -p "$XDG_CONFIG_HOME/veltrix" "$HOME/Videos"
printf '[output]\npath=%s/Videos/\n[profiles]\nselcetindex=0\nselcetsubindex=5\nJobsAtOnce=2\n' "$HOME" \
  >"$XDG_CONFIG_HOME/veltrix/veltrix-video-converter.ini"

# Xvfb picks a free display and writes its number (-displayfd), so no other
# X server is drawn on.
Xvfb -displayfd 1 -screen 0 1024x720x24 -nolisten tcp >"$work/display" 2>/dev/null &
xvfb=$!
for _ in $(seq 50); do [ -s "$work/display" ] && break; sleep 0.1; done
export DISPLAY=:$(head -1 "$work/display")
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done

build/bin/veltrix-video-converter "$work/Holiday in Lisbon.mp4" "$work/Garden.mp4" >"$work/log" 2>&1 &
program=$!

# The window's place on the screen, once it is mapped.
window=
for _ in $(seq 100); do
  window=$(xdotool search --name '^Veltrix Video Converter$' 2>/dev/null | head -1) && [ -n "$window" ] && break
  sleep 0.1
done
[ -n "$window" ] || { echo "screenshot.sh: the main window did not appear" >&2; cat "$work/log" >&2; exit 1; }
sleep 2 # both probes done and the rows drawn
eval "$(xdotool getwindowgeometry --shell "$window")"

# Clicks the middle of skin object $2 of form $1 (its rect in data/skn.skn)
# of the window at X, Y.
click_object() {
  read -r left top right bottom < <(awk -v form="$1" -v name="$2" '$1 == "form" {inForm = $2 == form}
    inForm && $1 == "object" && $2 == name {found = 1}
    found && $1 == "rect" {print $2, $3, $4, $5; exit}' data/skn.skn)
  xdotool mousemove $((X + (left + right) / 2)) $((Y + (top + bottom) / 2)) click 1
}

mkdir -p build/doc
if [ "$into" = --cutter ]; then
  xdotool windowfocus "$window" key ctrl+t
  for _ in $(seq 50); do
    xdotool search --name '^Cut$' >/dev/null 2>&1 && break
    sleep 0.1
  done
  xdotool search --name '^Cut$' >/dev/null 2>&1 || { echo "screenshot.sh: Ctrl+T opened no cutter" >&2; exit 1; }
  Y=$((Y + 80)) # the cutter opens at the main window's left edge, 80 pixels below its top
  sleep 1
  click_object cutter play
  sleep 3
  import -window root -crop 1024x720+0+0 build/doc/cutter.png
  echo "build/doc/cutter.png"
else
  click_object popvideoconverter converter
  sleep "$into"
  import -window "$window" build/doc/main-window.png
  echo "build/doc/main-window.png"
fi
