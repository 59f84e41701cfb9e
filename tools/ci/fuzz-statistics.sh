#!/usr/bin/env bash
# Fuzz job: runs the statistics text and service-name readers' fuzz target
# for a short while, seeded with a few realistic files.
set -euo pipefail
cd "$(dirname "$0")/../.."
seconds="${FUZZ_SECONDS:-30}"
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz --target fuzz_statistics_text -j "$(nproc)"
corpus="build/fuzz/corpus/statistics_text"
mkdir -p "$corpus"
printf 'Service: Morva v3.53\r\nUptime: 0d 01:02:03\r\nMessages received: 42\r\n' >"$corpus/counters"
printf 'no colon\n:\n a : b : c \n' >"$corpus/odd"
printf 'MorvaGate\r\n' >"$corpus/name"
build/fuzz/fuzz/fuzz_statistics_text -max_total_time="$seconds" -max_len=4096 "$corpus"
