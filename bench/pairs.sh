# Shared by the benchmark scripts (sourced, bash): alternated pairs of runs,
# their summary, and a note on how busy the machine is.

bench_dir=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)

# How many alternated pairs each comparison runs: $BENCH_PAIRS, at least 7.
pairs=${BENCH_PAIRS:-9}
[ "$pairs" -ge 7 ] 2>/dev/null || pairs=7

# Prints the 1-minute load average with a caption; above 1.5 per core the
# machine is busy and wall-clock ratios are unreliable, which it says.
machine_load() {
  local load
  read -r load _ </proc/loadavg
  awk -v when="$1" -v load="$load" -v cores="$(nproc)" 'BEGIN {
    per = load / cores
    printf "machine load %s: %.2f on %d cores (%.2f per core)", when, load, cores, per
    if (per > 1.5) printf " -- BUSY: wall-clock figures are unreliable, trust the CPU ratios more"
    printf "\n"
  }'
}

# Prints "<wall ms> <CPU ms>" of one run of a command or function (CPU: user
# and system time of everything it ran); its output is discarded and its exit
# status ignored.
time_run() {
  local TIMEFORMAT='%3R %3U %3S' times
  times=$( { time "$@" >/dev/null 2>&1 || true; } 2>&1 )
  awk '{ printf "%.1f %.1f\n", $1 * 1000, ($2 + $3) * 1000 }' <<<"$times"
}

# Reads rows "a b" on stdin and prints their summary line (see summarize.awk).
summarize() {
  awk -v label="$1" -v unit="$2" -f "$bench_dir/summarize.awk"
}

# compare <caption> <A> <B>: runs the commands or functions A and B once each
# to warm the caches, then A, B, A, B ... for $pairs pairs, and prints the
# wall-clock and the CPU summary of A against B.
compare() {
  local caption=$1 a=$2 b=$3 rows=() i
  time_run "$a" >/dev/null
  time_run "$b" >/dev/null
  for ((i = 0; i < pairs; i++)); do
    rows+=("$(time_run "$a") $(time_run "$b")")
  done
  printf '%s\n' "${rows[@]}" | awk '{ print $1, $3 }' | summarize "$caption, wall" ms
  printf '%s\n' "${rows[@]}" | awk '{ print $2, $4 }' | summarize "$caption, CPU" ms
}
