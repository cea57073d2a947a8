#!/usr/bin/env bash
# The sanitizer stage of CI: builds the whole tree with clang, AddressSanitizer
# and UndefinedBehaviorSanitizer into build-sanitize/ and runs the test suite
# under them, leaving out the two suites that encode a clip with every profile
# of the catalogue (their time goes to ffmpeg, which is not instrumented; the
# normal suite runs them). Any sanitizer report, from a test or from a program
# it starts (register.dat), fails the stage; the reports are printed at the end.
# Extra arguments go to ctest.
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
export QT_QPA_PLATFORM=offscreen

status=0
(cd build-sanitize && ctest --output-on-failure -j"$(nproc)" --timeout 900 -E 'ShippedTemplate|ProfilePipeline' "$@") \
  || status=$?
if compgen -G "$reports/*" >/dev/null; then
  echo "Sanitizer reports:" >&2
  for report in "$reports"/*; do
    echo "== $report" >&2
    cat "$report" >&2
  done
  status=1
fi
exit $status
