#!/usr/bin/env bash
# Start-up of the main window against plain Qt windows built the same way,
# under a virtual X server: wall and CPU time from process start until the
# first paint has been handled, and peak memory after a moment at rest.
# References: a plain window holding one line edit and one label (it loads a
# font, as the main window does) and the bare plain window. The three run in
# turn (main, reference, bare, main, ...) for the pairs of pairs.sh.
# Usage: bench/startup.sh [build folder]   (default: build; BENCH_PAIRS=n)
set -euo pipefail
cd "$(dirname "$0")/.."
# Everything below runs under one virtual X server.
if [ -z "${VELTRIX_BENCH_XVFB:-}" ]; then
  exec env VELTRIX_BENCH_XVFB=1 xvfb-run -a -s "-screen 0 1280x800x24" bash bench/startup.sh "$@"
fi
source bench/pairs.sh
build="${1:-build}"
cmake --build "$build" --target bench_startup_main_window bench_startup_minimal_window >/dev/null
config=$(mktemp -d)
trap 'rm -rf "$config"' EXIT
export XDG_CONFIG_HOME="$config" XDG_STATE_HOME="$config/state" XDG_RUNTIME_DIR="$config/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"

# One run of a window program: "<wall ms to first paint> <CPU ms to first paint> <peak kB>".
startup_run() {
  local start out
  start=$(date +%s%N)
  out=$("$@")
  awk -v start="$start" -F= '
    $1 == "shown_ns" { wall = ($2 - start) / 1e6 }
    $1 == "shown_cpu_ns" { cpu = $2 / 1e6 }
    $1 == "peak_kb" { peak = $2 }
    END { printf "%.1f %.1f %d\n", wall, cpu, peak }' <<<"$out"
}

main="$build/bench/bench_startup_main_window"
plain="$build/bench/bench_startup_minimal_window"
machine_load before
# A first untimed round warms the caches; then main window, reference with
# text, bare window, in turn. Each row: the three runs of one round.
startup_run "$main" >/dev/null; startup_run "$plain" text >/dev/null; startup_run "$plain" >/dev/null
rows=()
for ((i = 0; i < pairs; i++)); do
  rows+=("$(startup_run "$main") $(startup_run "$plain" text) $(startup_run "$plain")")
done
column() { printf '%s\n' "${rows[@]}" | awk -v a="$1" -v b="$2" '{ print $a, $b }'; }

printf '%-40s %12s %12s\n' "" "main window" "reference"
column 1 4 | summarize "first paint vs window with text, wall" ms
column 2 5 | summarize "first paint vs window with text, CPU" ms
column 3 6 | summarize "peak memory vs window with text" kB
column 1 7 | summarize "first paint vs bare window, wall" ms
column 2 8 | summarize "first paint vs bare window, CPU" ms
column 3 9 | summarize "peak memory vs bare window" kB
machine_load after
