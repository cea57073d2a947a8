#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The package stage of CI: builds the Debian package from the build tree
# (scripts/package.sh, lintian included), checks its layout (nothing under
# /usr/lib but executables; the data under /usr/share/veltrix), installs it
# with apt as a user would, validates the installed AppStream descriptions
# against their desktop entries, runs each edition as its menu entry names
# it, and removes the package again. Each entry's command must be on the PATH, answer --version
# without a display, and keep its window open under Xvfb. Needs root or sudo.
# Refuses when the package is installed already: the check would remove it.
set -euo pipefail
cd "$(dirname "$0")/.."

if dpkg-query -W -f='${Status}' veltrix 2>/dev/null | grep -q 'install ok installed'; then
  echo "test-package.sh: the package veltrix is installed already; remove it first (apt remove veltrix)." >&2
  exit 1
fi
package=$(./scripts/package.sh)

# Architecture-independent data belongs under /usr/share: /usr/lib holds
# folders, the executables and the edition links to them.
listing=$(dpkg-deb -c "$package")
stray=$(awk '$6 ~ /^\.\/usr\/lib\/./ && $1 !~ /^[dl]/ && $1 !~ /x/ {print $6}' <<<"$listing")
if [ -n "$stray" ]; then
  echo "test-package.sh: files under /usr/lib that are no executables:" >&2
  echo "$stray" >&2
  exit 1
fi
grep -q ' \./usr/share/veltrix/skn\.skn$' <<<"$listing" ||
  { echo "test-package.sh: the package has no /usr/share/veltrix/skn.skn" >&2; exit 1; }

sudo_cmd=()
[ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
export DEBIAN_FRONTEND=noninteractive
home=$(mktemp -d)
cleanup() {
  "${sudo_cmd[@]}" apt-get purge -y -q veltrix >/dev/null
  rm -rf "$home"
}
trap cleanup EXIT
"${sudo_cmd[@]}" apt-get install -y -q --no-install-recommends "./$package" >/dev/null

# Each edition's description names its installed desktop entry. The
# screenshot and home page addresses are not fetched (--no-net).
metainfo=(/usr/share/metainfo/example.veltrix.*.metainfo.xml)
[ "${#metainfo[@]}" -eq 3 ] || { echo "test-package.sh: expected 3 AppStream files, found: ${metainfo[*]}" >&2; exit 1; }
appstreamcli validate --no-net "${metainfo[@]}"
for file in "${metainfo[@]}"; do
  entry=$(sed -n 's|.*<launchable type="desktop-id">\(.*\)</launchable>.*|\1|p' "$file")
  [ -f "/usr/share/applications/$entry" ] ||
    { echo "test-package.sh: $file launches $entry, which is not installed" >&2; exit 1; }
done

for entry in /usr/share/applications/veltrix-*.desktop; do
  command=$(sed -n 's/^Exec=\([^ ]*\) %F$/\1/p' "$entry")
  program=$(command -v "$command") || { echo "test-package.sh: $entry starts '$command', which is not on the PATH" >&2; exit 1; }
  env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$program" --version
done

# Still running after three seconds (ended by timeout, 124): the window is up.
status=0
HOME=$home XDG_CONFIG_HOME=$home/.config XDG_STATE_HOME=$home/.state \
  xvfb-run -a timeout 3 veltrix-video-converter >"$home/log" 2>&1 || status=$?
if [ "$status" -ne 124 ]; then
  echo "test-package.sh: the installed program ended by itself (exit $status):" >&2
  cat "$home/log" >&2
  exit 1
fi
# The command line converts without a display, with the installed data.
ffmpeg -v error -f lavfi -i sine=duration=2 "$home/tone.wav"
HOME=$home XDG_CONFIG_HOME=$home/.config XDG_STATE_HOME=$home/.state \
  env -u DISPLAY veltrix-convert --profile 17 --output "$home/out" "$home/tone.wav" >"$home/log" 2>&1 ||
  { echo "test-package.sh: the installed veltrix-convert failed:" >&2; cat "$home/log" >&2; exit 1; }
[ -s "$home/out/tone.mp3" ] || { echo "test-package.sh: veltrix-convert wrote no tone.mp3" >&2; exit 1; }
echo "$package installed, run and removed"
