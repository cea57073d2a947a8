#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# One list over many workers, for real. A one-node Slurm cluster (munged,
# slurmctld and slurmd of Debian's munge and slurm-wlm, on this machine, in a
# folder of its own) runs an array of 3 tasks over a planned list of 12
# files; then a task cancelled in the middle of a job is submitted again;
# then GNU parallel runs the same list. Each time: 12 whole outputs under 12
# names, one summary and its exit status. The daemons need root.
# Usage: cluster_test.sh <folder of veltrix-convert> <slurm-array.sh>
set -euo pipefail
bin=$1 array_script=$2
fail() { echo "cluster test: $*" >&2; exit 1; }
[ "$(id -u)" -eq 0 ] || fail "it starts munged, slurmctld and slurmd, which needs root (CI runs as root)"
for tool in munged slurmctld slurmd sbatch scancel squeue sinfo parallel ffmpeg ffprobe; do
  command -v "$tool" >/dev/null || fail "$tool is missing: run scripts/install-deps.sh"
done

work=$(mktemp -d /tmp/veltrix-cluster.XXXXXX)
daemons=()
stop() {
  for pid in "${daemons[@]}"; do kill "$pid" 2>/dev/null || true; done
  for pid in "${daemons[@]}"; do wait "$pid" 2>/dev/null || true; done
  rm -rf "$work"
}
trap stop EXIT
export HOME=$work/home XDG_CONFIG_HOME=$work/home/.config XDG_STATE_HOME=$work/home/.state
export VELTRIX_CONVERT=$bin/veltrix-convert SLURM_CONF=$work/slurm.conf
mkdir -p "$HOME" "$work/munge" "$work/state" "$work/spool" "$work/media"

# Munge, with a key of its own.
dd if=/dev/urandom of="$work/munge/key" bs=1024 count=1 status=none
chmod 400 "$work/munge/key"
munged --force --foreground --key-file="$work/munge/key" --socket="$work/munge/socket" \
  --pid-file="$work/munge/pid" --log-file="$work/munge/log" --seed-file="$work/munge/seed" >/dev/null 2>&1 &
daemons+=($!)

host=$(hostname -s)
port=$((20000 + RANDOM % 20000))
cat >"$SLURM_CONF" <<CONF
ClusterName=veltrix
SlurmctldHost=$host
SlurmUser=root
SlurmdUser=root
SlurmctldPort=$port
SlurmdPort=$((port + 1))
AuthType=auth/munge
CredType=cred/munge
AuthInfo=socket=$work/munge/socket
StateSaveLocation=$work/state
SlurmdSpoolDir=$work/spool
SlurmctldPidFile=$work/slurmctld.pid
SlurmdPidFile=$work/slurmd.pid
SlurmctldLogFile=$work/slurmctld.log
SlurmdLogFile=$work/slurmd.log
ProctrackType=proctrack/linuxproc
TaskPlugin=task/none
SelectType=select/cons_tres
SelectTypeParameters=CR_CPU
SchedulerType=sched/builtin
SlurmdParameters=config_overrides
ReturnToService=2
MpiDefault=none
JobCompType=jobcomp/none
AccountingStorageType=accounting_storage/none
JobAcctGatherType=jobacct_gather/none
KillWait=10
NodeName=$host CPUs=$(nproc) State=UNKNOWN
PartitionName=test Nodes=$host Default=YES MaxTime=INFINITE State=UP
CONF
for _ in $(seq 50); do [ -S "$work/munge/socket" ] && break; sleep 0.1; done
slurmctld -D -i -f "$SLURM_CONF" >/dev/null 2>&1 &
daemons+=($!)
slurmd -D -f "$SLURM_CONF" >/dev/null 2>&1 &
daemons+=($!)
for _ in $(seq 100); do
  sinfo -h -o %T 2>/dev/null | grep -qx idle && break
  sleep 0.3
done
sinfo -h -o %T | grep -qx idle || { cat "$work"/slurm*.log >&2; fail "the node did not come up"; }

# 12 sources, two of one name in different folders.
for i in $(seq 1 12); do
  folder=$work/media/$((i % 2))
  mkdir -p "$folder"
  name=clip$((i <= 2 ? 1 : i))
  ffmpeg -v error -f lavfi -i "testsrc=size=160x120:rate=25:duration=4" -f lavfi -i "sine=frequency=$((200 + i)):duration=4" \
    -pix_fmt yuv420p -shortest "$folder/$name.mp4"
done

# check <list> <out>: 12 whole outputs under 12 names, nothing else under a
# final name, and the workers' results merged into one summary, exit 0.
check() {
  local outputs=("$2"/*.mp4) whole=0
  for output in "${outputs[@]}"; do
    duration=$(ffprobe -v error -show_entries format=duration -of default=nw=1:nk=1 "$output")
    awk -v d="$duration" 'BEGIN { exit !(d > 3.8 && d < 4.3) }' || fail "$output is not whole (${duration}s)"
    whole=$((whole + 1))
  done
  [ "$whole" -eq 12 ] || fail "$whole whole outputs in $2, not 12: ${outputs[*]}"
  "$VELTRIX_CONVERT" --collect "$1" >"$work/summary" || { cat "$work/summary" >&2; fail "--collect of $1 failed"; }
  grep -qx "12 finished, 0 failed" "$work/summary" || fail "unexpected summary: $(cat "$work/summary")"
}
plan() { "$VELTRIX_CONVERT" --plan "$1" --profile 5 --jobs 1 --recursive --output "$2" "$work/media" >/dev/null 2>&1; }
# waits until no task of the job is left in the queue
settle() { for _ in $(seq 600); do [ -z "$(squeue -h -j "$1" 2>/dev/null)" ] && return; sleep 0.2; done; fail "job $1 did not end"; }

# An array of 3 over the list.
plan "$work/a.jobs" "$work/out-a"
sbatch --array=1-3 --output="$work/a-%a.log" --wait "$array_script" "$work/a.jobs" >/dev/null ||
  { cat "$work"/a-*.log >&2; fail "the array job failed"; }
check "$work/a.jobs" "$work/out-a"

# Task 2 cancelled in the middle of a job, then submitted again.
plan "$work/b.jobs" "$work/out-b"
job=$(sbatch --parsable --array=1-3 --output="$work/b-%a.log" "$array_script" "$work/b.jobs")
for _ in $(seq 600); do
  squeue -h -j "${job}_2" -t RUNNING 2>/dev/null | grep -q . && compgen -G "$work/out-b/.*.part-*" >/dev/null && break
  sleep 0.1
done
scancel "${job}_2"
settle "$job"
for output in "$work"/out-b/*.mp4; do
  [ -e "$output" ] || continue
  duration=$(ffprobe -v error -show_entries format=duration -of default=nw=1:nk=1 "$output")
  awk -v d="$duration" 'BEGIN { exit !(d > 3.8) }' || fail "the cancelled task left $output, not whole"
done
! compgen -G "$work/out-b/.*.part-*" >/dev/null || fail "the cancelled task left temporary files"
if "$VELTRIX_CONVERT" --collect "$work/b.jobs" >/dev/null; then fail "the list was whole although a task was cancelled"; fi
sbatch --array=2 --output="$work/b-again.log" --wait "$array_script" "$work/b.jobs" >/dev/null ||
  { cat "$work/b-again.log" >&2; fail "the task run again failed"; }
check "$work/b.jobs" "$work/out-b"

# The same list with GNU parallel, three workers on this machine.
plan "$work/c.jobs" "$work/out-c"
parallel -j3 "$VELTRIX_CONVERT" --list "$work/c.jobs" --shard {}/3 ::: 1 2 3 >/dev/null
check "$work/c.jobs" "$work/out-c"
echo "cluster test: Slurm array, a cancelled task run again, and GNU parallel: 12 whole outputs each"
