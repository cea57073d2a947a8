#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# One worker of a Slurm array job over a planned job list. On a folder all
# nodes share:
#
#   veltrix-convert --plan /shared/archive.jobs --profile 5 --output /shared/out /shared/archive
#   sbatch --array=1-6 scripts/cluster/slurm-array.sh /shared/archive.jobs
#   veltrix-convert --collect /shared/archive.jobs
#
# Task K of N converts the K-th slice of the list (--shard slurm) and writes
# what became of each row to <list>.result-K, and its logs to the node's
# state folder. A task run again (a retried task, a second pass after a node
# died) skips the rows whose output is whole and converts the rest. Options
# after the list go to veltrix-convert (--jobs 2, --json); VELTRIX_CONVERT
# names another veltrix-convert than the one on the PATH. scancel ends a task
# in order: its running jobs stop and leave no file under a final name.
#SBATCH --job-name=veltrix-convert
#SBATCH --cpus-per-task=1
#SBATCH --output=%x-%A_%a.log
set -euo pipefail
list=${1:?usage: sbatch --array=1-N slurm-array.sh LIST [veltrix-convert options]}
shift
exec "${VELTRIX_CONVERT:-veltrix-convert}" --list "$list" --shard slurm "$@"
