#!/usr/bin/env bash
# Whole-process load of a 1,000,000-line "Morva.ini" (about 42 MB): wall
# time and peak resident memory of `morvactl config get KEY` against two
# floors, one read() with the lines split (lower) and inih, each the median
# of RUNS runs (default 5) after one run that puts the file in the page cache.
#   bench/config_load_process.sh [BUILD_DIR]   (default build/bench)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/bench}
runs=${RUNS:-5}
cmake --build "$build" --target config_bench config_load_floor morvactl >/dev/null
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
"$build/bench/config_bench" --write-large "$dir/Morva.ini"
bytes=$(stat -c %s "$dir/Morva.ini")

# measure NAME COMMAND...: prints "NAME wall_s peak_kB" (medians)
measure() {
  local name=$1
  shift
  "$@" >/dev/null
  for _ in $(seq "$runs"); do
    /usr/bin/time -f '%e %M' "$@" 2>&1 >/dev/null | tail -1
  done | sort -n | awk -v name="$name" -v n="$runs" \
    '{ wall[NR] = $1; kb[NR] = $2 } END { print name, wall[int((n + 1) / 2)], kb[int((n + 1) / 2)] }'
}
{
  measure lower "$build/bench/config_load_floor" lower "$dir/Morva.ini"
  measure inih "$build/bench/config_load_floor" inih "$dir/Morva.ini"
  measure morvactl "$build/src/cli/morvactl" --program-dir "$dir/" config get Verbose
} | awk -v bytes="$bytes" '
  { name[NR] = $1; wall[NR] = $2; kb[NR] = $3 }
  END {
    printf "file: %.1f MB\n", bytes / 1e6
    for (i = 1; i <= NR; ++i)
      printf "%-9s %6.3f s  %5.1fx lower  %5.2fx inih  peak %6.1f MB (%.2fx the file)\n",
        name[i], wall[i], wall[i] / wall[1], wall[i] / wall[2], kb[i] * 1024 / 1e6, kb[i] * 1024 / bytes
  }'
