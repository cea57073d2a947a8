#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds, and starts the program.
# Pass an edition name to start another edition: ./scripts/run.sh veltrix-dvd-ripper
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/build.sh
exec "build/bin/${1:-veltrix-video-converter}"
