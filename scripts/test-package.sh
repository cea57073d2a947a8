#!/usr/bin/env bash
# The package stage of CI: builds the Debian package from the build tree
# (scripts/package.sh, lintian included), installs it with apt as a user
# would, runs each edition as its menu entry names it, and removes the
# package again. Each entry's command must be on the PATH, answer --version
# without a display, and keep its window open under Xvfb. Needs root or sudo.
# Refuses when the package is installed already: the check would remove it.
set -euo pipefail
cd "$(dirname "$0")/.."

if dpkg-query -W -f='${Status}' veltrix 2>/dev/null | grep -q 'install ok installed'; then
  echo "test-package.sh: the package veltrix is installed already; remove it first (apt remove veltrix)." >&2
  exit 1
fi
package=$(./scripts/package.sh)

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
echo "$package installed, run and removed"
