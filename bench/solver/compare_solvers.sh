#!/usr/bin/env bash
# The solver against an earlier one, side by side in one run: both built as releases from their own sources,
# both deciding the same seeds on one core, turn about. Prints each run's deals per second, nanoseconds per
# position, peak memory and the ratio of the medians (processor time), and checks that both decided every
# seed alike (their verdict files byte for byte).
#
#   bench/solver/compare_solvers.sh BASE [SEEDS [FROM [ROUNDS]]]
#
# BASE is a git revision (the earlier solver); SEEDS 200000 from FROM 1700000000 unless given, ROUNDS 3. The
# builds and files go to a folder of their own under ${TMPDIR:-/tmp}.
set -euo pipefail
cd "$(dirname "$0")/../.."
base=${1:?"give the revision to compare with, e.g. main"}
seeds=${2:-200000}
from=${3:-1700000000}
rounds=${4:-3}
work=$(mktemp -d "${TMPDIR:-/tmp}/vantrel-compare.XXXXXX")
trap 'git worktree remove --force "$work/base-src" >/dev/null 2>&1 || true' EXIT

build() {  # build SOURCE_DIR BUILD_DIR: the command line, as a release
  cmake -S "$1" -B "$2" -G Ninja -DCMAKE_BUILD_TYPE=Release -DVANTREL_GUI=OFF -DVANTREL_TESTS=OFF \
    -DVANTREL_BENCH=OFF >/dev/null
  cmake --build "$2" -j "$(nproc)" --target vantrel-cli >/dev/null
}
git worktree add --detach "$work/base-src" "$base" >/dev/null 2>&1
build "$work/base-src" "$work/base"
build . "$work/this"

# run NAME ROUND [--csv FILE]: one survey, its summary and /usr/bin/time's figures in $work/NAME-ROUND.*
run() {
  local cli="$work/$1/tools/cli/vantrel-cli" name=$1 round=$2
  shift 2
  rm -f "$work/$name-$round.verdicts"
  /usr/bin/time -f "%e %U %M" -o "$work/$name-$round.time" "$cli" survey --from "$from" --count "$seeds" \
    --jobs 1 --max-nodes 10000000 --max-seconds 3600 --verdicts "$work/$name-$round.verdicts" "$@" \
    >"$work/$name-$round.json" 2>/dev/null
}
for round in $(seq 1 "$rounds"); do
  run base "$round"
  run this "$round"
done
# The positions each searched, from one more run each that writes every deal's line (not timed: writing
# the lines takes time of its own).
run base count --csv "$work/base.csv"
run this count --csv "$work/this.csv"

python3 - "$work" "$rounds" "$seeds" "$base" <<'PY'
import csv, json, statistics, sys
work, rounds, seeds, base = sys.argv[1], int(sys.argv[2]), int(sys.argv[3]), sys.argv[4]
def figures(name):
    rows = []
    for r in range(1, rounds + 1):
        wall, user, rss = open(f"{work}/{name}-{r}.time").read().split()
        rows.append((float(user), int(rss)))
    nodes = sum(int(row["nodes"]) for row in csv.DictReader(open(f"{work}/{name}.csv")))
    return statistics.median(r[0] for r in rows), nodes, max(r[1] for r in rows)
print(f"{seeds} seeds, --jobs 1, median of {rounds} runs each, turn about")
result = {}
for name, label in (("base", base), ("this", "this tree")):
    user, nodes, rss = figures(name)
    result[name] = user
    print(f"  {label:>12}: {seeds / user:10.0f} deals/s a core  {1e9 * user / nodes:7.0f} ns a position"
          f"  {nodes / seeds:6.1f} positions a deal  peak {rss / 1024:6.1f} MiB")
print(f"  ratio: {result['base'] / result['this']:.2f} times as fast")
same = all(open(f"{work}/base-{r}.verdicts", "rb").read() == open(f"{work}/this-{r}.verdicts", "rb").read()
           for r in range(1, rounds + 1))
print("  verdicts: " + ("the same for every seed" if same else "DIFFERENT"))
sys.exit(0 if same else 1)
PY
