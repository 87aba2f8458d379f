#!/bin/bash
# The census of every deal on a Slurm cluster: one MPI rank on each node decides chunks on all its cores, and
# one more rank, beside a worker on the first node, hands them out and writes them. Submit it from a folder
# that every node sees (the chunk files and the result go there):
#
#   sbatch --nodes=8 census.sbatch            # the whole range, 0..4294967295
#   FROM=1700000000 COUNT=100000000 sbatch --nodes=2 census.sbatch
#
# Two minutes before the time limit Slurm sends SIGUSR1, which mpirun passes on: every rank drops its chunk
# under way and the log ends with the summary so far; `scancel --batch --signal=USR1 JOB` stops it so by hand
# (a plain scancel or a failed node stops it too, without the summary). Submitting it again resumes:
# finished chunks are kept.
# CENSUS names the program if it is not on PATH; arguments after the script's name go to it (--chunks K).
#SBATCH --job-name=vantrel-census
#SBATCH --nodes=8
#SBATCH --ntasks-per-node=1
#SBATCH --exclusive
#SBATCH --time=01:00:00
#SBATCH --signal=B:USR1@120
#SBATCH --output=vantrel-census-%j.log
set -euo pipefail

census=${CENSUS:-vantrel-census}
out=${OUT:-census.verdicts}
from=${FROM:-0}
count=${COUNT:-4294967296}
# A node limit instead of a time limit, so a deal's verdict does not depend on the node that decided it; the
# hour is only a backstop. A worker's threads share --max-memory: keep 512 MiB a core, which the deepest
# search (10,000,000 nodes) needs. Chunks decided elsewhere must use the same three limits.
limits=(--max-nodes 10000000 --max-seconds 3600 --max-memory "${MAX_MEMORY_MIB:-32768}")

resume=()
if [ -d "$out.chunks" ]; then resume=(--resume); fi

# Ranks go round the nodes: rank 0 and the last worker share the first node, so the slot count is exceeded
# there; rank 0 sleeps while it waits. No binding: each worker uses every core of its node. mpirun replaces
# the shell, so the batch shell's signal reaches it.
exec mpirun --oversubscribe --map-by node --bind-to none -np $((SLURM_JOB_NUM_NODES + 1)) \
  "$census" --from "$from" --count "$count" --out "$out" "${limits[@]}" "${resume[@]}" "$@"
