#!/usr/bin/env bash
# Measures the test run as the README states it: scripts/test.sh in a fresh
# clone of this repository's HEAD, a second time in the same clone with
# nothing changed, then RUNS more times in a row with a busy loop on one
# core beside them, each of which must pass.
#
#   scripts/time-test-runs.sh [--cold] [RUNS]      (default 5)
#
# The clone is made in a temporary folder and removed at the end. The
# compiler cache of this machine is used as every run uses it; with --cold
# the runs start from an empty cache of their own instead. Prints one line
# a run with its time and outcome, and the machine's load.
set -uo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
clone="$(mktemp -d "${TMPDIR:-/tmp}/tavrel-timing.XXXXXX")"
if [ "${1:-}" = --cold ]; then
  export CCACHE_DIR="$clone/ccache"
  shift
fi
runs="${1:-5}"
busy=""
cleanup() {
  [ -n "$busy" ] && kill "$busy" 2>/dev/null
  rm -rf "$clone"
}
trap cleanup EXIT

git clone -q "$root" "$clone/tavrel"

timed() {
  local name="$1" log="$clone/$1.log" start end status
  start=$(date +%s)
  (cd "$clone/tavrel" && bash scripts/test.sh) >"$log" 2>&1
  status=$?
  end=$(date +%s)
  printf '%-14s %4d s  %s  (load %s)\n' "$name" $((end - start)) \
    "$([ $status -eq 0 ] && echo passed || echo FAILED)" "$(cut -d' ' -f1-3 /proc/loadavg)"
  [ $status -eq 0 ] || tail -n 60 "$log"
  return $status
}

failed=0
timed fresh-clone || failed=1
timed second-run || failed=1
sh -c 'while :; do :; done' &
busy=$!
for i in $(seq "$runs"); do
  timed "busy-run-$i" || failed=1
done
exit $failed
