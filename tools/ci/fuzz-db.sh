#!/usr/bin/env bash
# Fuzz job: the SMTP address check and the record engine, a short while each.
set -euo pipefail
cd "$(dirname "$0")/../.."
seconds="${FUZZ_SECONDS:-30}"
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz --target fuzz_db_email fuzz_db_records -j "$(nproc)"
for target in db_email db_records; do
  corpus="build/fuzz/corpus/$target"
  mkdir -p "$corpus"
  build/fuzz/fuzz/fuzz_$target -max_total_time="$seconds" -max_len=4096 "$corpus"
done
