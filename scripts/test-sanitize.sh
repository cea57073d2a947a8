#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The sanitizer stage of CI: builds the whole tree with clang, AddressSanitizer
# and UndefinedBehaviorSanitizer into build-sanitize/ and runs the test suite
# under them, leaving out the two suites that encode a clip with every profile
# of the catalogue (their time goes to ffmpeg, which is not instrumented; the
# normal suite runs them). Any sanitizer report, from a test or from a program
# it starts (register.dat), fails the stage; the reports are printed at the end.
# Leaks inside outside libraries are suppressed by tests/sanitizer/lsan.supp.
# The on-screen preview test starts its own displays (Xvfb, weston's Wayland
# sessions), as in the normal suite, so the stage needs none. Extra arguments go to ctest.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/install-deps.sh --clang

launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S . -B build-sanitize -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=ON \
  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ -DVELTRIX_SANITIZE=ON "${launcher[@]}" >/dev/null
cmake --build build-sanitize -j"$(nproc)"

reports=$PWD/build-sanitize/sanitizer-reports
rm -rf "$reports"
mkdir -p "$reports"
# Every process writes its reports into the folder (a child's stderr may be
# read by the test and never shown); the first report ends the process.
export ASAN_OPTIONS=halt_on_error=1:detect_leaks=1:log_path=$reports/asan
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1:log_path=$reports/ubsan
export LSAN_OPTIONS=suppressions=$PWD/tests/sanitizer/lsan.supp:print_suppressions=0
export QT_QPA_PLATFORM=offscreen

status=0
on_screen='PreviewOnScreen'
(cd build-sanitize && ctest --output-on-failure -j"$(nproc)" --timeout 900 -E "ShippedTemplate|ProfilePipeline|$on_screen" "$@") \
  || status=$?
# The on-screen preview draws through mesa's software driver, which mpv
# unloads when it ends; the driver's own lifelong allocations then read as
# leaks in a library without a name, which no suppression can match. Loaded
# beforehand, the driver stays, its memory stays reachable, and every leak of
# ours is still found.
mesa_driver=$(compgen -G '/usr/lib/*/dri/swrast_dri.so' | head -1 || true)
(cd build-sanitize && LD_PRELOAD=$mesa_driver ctest --output-on-failure --timeout 900 -R "$on_screen") || status=$?
if compgen -G "$reports/*" >/dev/null; then
  echo "Sanitizer reports:" >&2
  for report in "$reports"/*; do
    echo "== $report" >&2
    cat "$report" >&2
  done
  status=1
fi
exit $status
