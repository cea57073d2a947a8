#!/usr/bin/env bash
# A batch of five 30-second clips and the adding of fifty files through the
# program's own window (offscreen), against the same ffmpeg work done directly.
# Usage: bench/batch.sh [build folder]   (default: build)
set -euo pipefail
cd "$(dirname "$0")/.."
build="${1:-build}"
cmake --build "$build" --target bench_batch >/dev/null
QT_QPA_PLATFORM=offscreen "$build/bench/bench_batch"
