#!/usr/bin/env bash
# Authors the small DVD folders the DVD tests read, with ffmpeg, spumux and
# dvdauthor.
#
#   author_test_dvd.sh OUT_DIR WIDTH HEIGHT TONE1 TONE2 SUB_X SUB_Y SUB_W SUB_H SUB_RGB
#
# OUT_DIR/disc      disc root with VIDEO_TS/ in upper case:
#                   title set 1: one title of three cells (10 s, 5 s that span
#                   fewer than 1000 sectors, 20 s), an AC-3 track on a TONE1 Hz
#                   tone, an MPEG audio track on TONE2 Hz, one subtitle (a
#                   filled SUB_RGB box) shown from 1 s to 8 s, all palette
#                   entries SUB_RGB;
#                   title set 2: one 8 s title with one AC-3 track.
# OUT_DIR/lower     the same disc with every name in lower case (links).
# OUT_DIR/novobs    VTS_01_0.IFO alone: no VIDEO_TS.IFO, no VOB files.
# OUT_DIR/garbage   VIDEO_TS/VTS_01_0.IFO holding no IFO data.
set -euo pipefail

out=$1 width=$2 height=$3 tone1=$4 tone2=$5
sub_x=$6 sub_y=$7 sub_w=$8 sub_h=$9 sub_rgb=${10}

work=$out/work
mkdir -p "$work"
export VIDEO_FORMAT=PAL

ff() { ffmpeg -hide_banner -loglevel error -nostdin -y "$@"; }

# Constant rate, one-second GOPs: cells can start exactly at 10 s and 15 s,
# and the 5 s cell stays below 1000 sectors (about 750).
mpeg2=(-c:v mpeg2video -aspect 4:3 -b:v 2000k -minrate 2000k -maxrate 2000k -bufsize 1835k -g 25
       -f dvd -muxrate 10080000 -packetsize 2048)
video() { echo "testsrc2=size=${width}x${height}:rate=25:duration=$1"; }
tone() { echo "sine=frequency=$1:sample_rate=48000:duration=$2"; }

ff -f lavfi -i "$(video 35)" -f lavfi -i "$(tone "$tone1" 35)" -f lavfi -i "$(tone "$tone2" 35)" \
   -map 0:v -map 1:a -map 2:a -c:a:0 ac3 -c:a:1 mp2 -b:a 192k -ac 2 "${mpeg2[@]}" "$work/t1.mpg"
ff -f lavfi -i "$(video 8)" -f lavfi -i "$(tone "$tone1" 8)" \
   -c:a ac3 -b:a 192k -ac 2 "${mpeg2[@]}" "$work/t2.mpg"

# The box on black, black keyed out (spumux drops an alpha-only background
# together with the box).
ff -f lavfi -i "color=c=black:s=${width}x${height},format=rgb24,drawbox=x=$sub_x:y=$sub_y:w=$sub_w:h=$sub_h:color=0x$sub_rgb:t=fill" \
   -frames:v 1 "$work/sub.png"
cat >"$work/sub.xml" <<EOF
<subpictures><stream><spu start="00:00:01.00" end="00:00:08.00" image="$work/sub.png" transparent="000000"/></stream></subpictures>
EOF
spumux -s 0 "$work/sub.xml" <"$work/t1.mpg" >"$work/t1s.mpg" 2>"$work/spumux.log"
for _ in $(seq 16); do echo "$sub_rgb"; done >"$work/palette.rgb"

disc=$out/disc
{
  dvdauthor -o "$disc" -t -p "$work/palette.rgb" -a ac3+en,mp2+de -s en -c 0,10,15 "$work/t1s.mpg"
  dvdauthor -o "$disc" -t -a ac3+en "$work/t2.mpg"
  dvdauthor -o "$disc" -T
} >"$work/dvdauthor.log" 2>&1

mkdir -p "$out/lower/video_ts"
for f in "$disc"/VIDEO_TS/*; do
  name=$(basename "$f")
  ln "$f" "$out/lower/video_ts/${name,,}"
done

mkdir -p "$out/novobs"
cp "$disc/VIDEO_TS/VTS_01_0.IFO" "$out/novobs/"

mkdir -p "$out/garbage/VIDEO_TS"
head -c 12288 /dev/zero | tr "\0" x >"$out/garbage/VIDEO_TS/VTS_01_0.IFO"

rm -rf "$work"
