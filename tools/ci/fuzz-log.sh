#!/usr/bin/env bash
# Fuzz job: the log follower on a log file that grows, is truncated and is
# replaced between reads, for a short while.
set -euo pipefail
cd "$(dirname "$0")/../.."
seconds="${FUZZ_SECONDS:-30}"
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz --target fuzz_log_reader -j "$(nproc)"
corpus="build/fuzz/corpus/log_reader"
mkdir -p "$corpus"
# append a line, read, append half a line, read, append the rest, read
printf '\x00\x2f081226001 10:00:00 12: Connection from 192.0.2.1\r\n\x01\x03\x00\x08081226001\x01\x01\x00\x10 10:00:01 1: half\r\n\x01\x00' >"$corpus/appends"
printf '\x00\x20081226001 10:00:00 12: first line\r\n\x01\x00\x02\x00\x00\x10081226002 10:01:00\x01\x00' >"$corpus/rotation"
build/fuzz/fuzz/fuzz_log_reader -max_total_time="$seconds" -max_len=8192 "$corpus"
