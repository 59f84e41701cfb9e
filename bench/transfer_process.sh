#!/usr/bin/env bash
# Whole-process timing of morvactl records import and export of 100,000
# forwarding records (a 6.6 MB CSV, a 40 MB record file) against the raw
# bounds of the same bytes: dd writing the record file with one write and
# fsync (import), dd reading it with one read (export). Each figure is the
# median wall time of RUNS runs (default 7) after one warm-up run; the
# export's CSV goes to /dev/null as dd's read does.
#   bench/transfer_process.sh [BUILD_DIR]   (default build/bench)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/bench}
runs=${RUNS:-7}
records=${RECORDS:-100000}
cmake --build "$build" --target transfer_bench morvactl >/dev/null
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
"$build/bench/transfer_bench" --records="$records" --write-files "$dir"
morvactl="$build/src/cli/morvactl"

# measure NAME COMMAND...: prints "NAME wall_s" (median); /usr/bin/time
# counts in hundredths, too coarse for a read of a few milliseconds.
measure() {
  local name=$1
  shift
  "$@" >/dev/null 2>&1
  for _ in $(seq "$runs"); do
    local start end
    start=$(date +%s%N)
    "$@" >/dev/null 2>&1
    end=$(date +%s%N)
    echo $(((end - start) / 1000))e-6
  done | sort -g | awk -v name="$name" -v n="$runs" '{ wall[NR] = $1 + 0 } END { print name, wall[int((n + 1) / 2)] }'
}
{
  measure raw-write dd if="$dir/DataAlia.DAT" of="$dir/raw.DAT" bs=1M conv=fsync status=none
  measure import "$morvactl" --program-dir "$dir/" records import alias "$dir/in.csv" --replace --no-wait
  measure raw-read dd if="$dir/DataAlia.DAT" of=/dev/null bs=1M status=none
  measure export "$morvactl" --program-dir "$dir/" records export alias --no-wait
} | awk -v records="$records" '
  { name[NR] = $1; wall[NR] = $2 }
  END {
    printf "%d records\n", records
    printf "import %6.3f s  raw write+fsync %6.3f s  %5.2fx (bar 3x)\n", wall[2], wall[1], wall[2] / wall[1]
    printf "export %6.3f s  raw read        %6.3f s  %5.2fx (bar 2x)\n", wall[4], wall[3], wall[4] / wall[3]
  }'
