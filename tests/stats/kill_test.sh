#!/usr/bin/env bash
# Saves survive being killed: a helper saves the statistics over and over and is killed with SIGKILL at a
# random moment, again and again. After every kill the store must hold one whole save (four consecutive
# numbers, no older than the last one seen), never a mix, nothing or a damaged file; and the next save must
# go through at once, whatever the killed process left behind.
#
#   kill_test.sh HELPER [KILLS] [SEED]
set -euo pipefail
helper=$1
kills=${2:-500}
seed=${3:-$(($(date +%s) % 32768))}
echo "kill test: $kills kills, seed $seed"
RANDOM=$seed

home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
export HOME=$home XDG_CONFIG_HOME=$home/config
store_dir="$XDG_CONFIG_HOME/Quorvin Software"
"$helper" save 0 1 2 3

last=0 interrupted=0 saves=0 locks_left=0 slowest_ms=0
for ((k = 1; k <= kills; k++)); do
  "$helper" count-up &
  pid=$!
  # Up to 60 ms: the helper needs a few to start, then saves without a pause until the kill lands.
  sleep "0.$(printf '%03d' $((RANDOM % 60 + 1)))"
  kill -KILL "$pid"
  wait "$pid" 2>/dev/null || true
  if [ -e "$store_dir/Vantrel.conf.lock" ]; then locks_left=$((locks_left + 1)); fi

  if ! values=$(timeout 20 "$helper" load); then
    echo "kill $k: the store cannot be loaded"
    cat "$store_dir/Vantrel.conf" || true
    exit 1
  fi
  read -r w l ws ls <<<"$values"
  if [ "$l" -ne $((w + 1)) ] || [ "$ws" -ne $((w + 2)) ] || [ "$ls" -ne $((w + 3)) ] || [ "$w" -lt "$last" ]; then
    echo "kill $k: the store holds '$values' after '$last'"
    exit 1
  fi
  if [ "$w" -gt "$last" ]; then interrupted=$((interrupted + 1)); fi
  saves=$((saves + w - last))

  # The next save must not wait for a lock the killed process left.
  v=$((w + 1))
  started=$(date +%s%N)
  if ! timeout 20 "$helper" save $v $((v + 1)) $((v + 2)) $((v + 3)); then
    echo "kill $k: the next save failed or hung"
    ls -la "$store_dir"
    exit 1
  fi
  ms=$((($(date +%s%N) - started) / 1000000))
  if [ "$ms" -gt "$slowest_ms" ]; then slowest_ms=$ms; fi
  last=$v
done

# A kill between the moment a save's new file gets its temporary name and the moment it replaces the store
# leaves that file (Vantrel.conf.XXXXXX, holding the new values) beside the store. It is counted, not removed:
# a player's own copy might bear such a name. Anything else left behind is a fault.
copies=$(find "$store_dir" -mindepth 1 -regextype posix-extended -regex '.*/Vantrel\.conf\.[A-Za-z0-9]{6}' | wc -l)
others=$(find "$store_dir" -mindepth 1 ! -name Vantrel.conf -regextype posix-extended \
  ! -regex '.*/Vantrel\.conf\.[A-Za-z0-9]{6}' | wc -l)
echo "kill test: $kills kills, $interrupted of them while the helper was saving, $saves saves done between" \
  "the kills; the store was whole after every kill; $locks_left kills left a lock file behind; the slowest" \
  "save after a kill took $slowest_ms ms; $copies temporary copies and $others other files left beside the store"
if [ "$others" -ne 0 ]; then
  ls -la "$store_dir"
  exit 1
fi
