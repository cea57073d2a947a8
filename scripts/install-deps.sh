#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs every Debian package the build, the program and the tests need.
# Runs apt-get only when something is missing, so repeated runs are quick.
# --clang adds clang with its sanitizer and libFuzzer runtimes and the symbolizer
# (scripts/test-sanitize.sh, scripts/fuzz.sh). --screenshot adds what drives
# and shoots the window under Xvfb (scripts/screenshot.sh). --package adds
# what builds and checks the Debian package (scripts/package.sh). --bench
# adds the peer converter the benchmarks compare with (SoundConverter's batch
# mode, bench/batch.sh library). weston,
# xwayland and qt6-wayland give the on-screen preview test its Wayland sessions;
# python3-pyatspi and at-spi2-core let the screen reader test drive the window
# over AT-SPI on a session bus of its own (dbus-run-session); slurm-wlm,
# munge and parallel let the cluster test run a job list on a one-node Slurm
# cluster and with GNU parallel.
set -euo pipefail

packages=(
  build-essential cmake pkg-config
  qt6-base-dev qt6-base-dev-tools libgl-dev
  ffmpeg libopencore-amrnb-dev
  libavformat-dev libavcodec-dev libavutil-dev
  libdvdread-dev dvdauthor
  libmpv-dev libjack-jackd2-dev
  libsimpleini-dev
  googletest libgtest-dev
  xvfb xauth libx11-dev
  weston xwayland qt6-wayland
  desktop-file-utils dbus-daemon dbus-bin help2man
  python3-pyatspi at-spi2-core
  slurm-wlm munge parallel
)
for option in "$@"; do
  case "$option" in
    --clang) packages+=(clang libclang-rt-14-dev llvm) ;;
    --screenshot) packages+=(xdotool imagemagick x11-utils) ;;
    --package) packages+=(dpkg-dev file lintian appstream) ;;
    --bench) packages+=(soundconverter gstreamer1.0-plugins-good gstreamer1.0-plugins-ugly) ;;
    *) echo "install-deps.sh: unknown option $option (known: --clang, --screenshot, --package, --bench)" >&2; exit 2 ;;
  esac
done

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done

if [ ${#missing[@]} -gt 0 ]; then
  sudo_cmd=()
  [ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
  export DEBIAN_FRONTEND=noninteractive
  "${sudo_cmd[@]}" apt-get update -q
  # Qt, libmpv and JACK in one call: apt otherwise swaps the JACK library ffmpeg uses.
  "${sudo_cmd[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
fi
