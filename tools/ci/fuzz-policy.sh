#!/usr/bin/env bash
# Fuzz job: the text form of policy list entries, for a bounded time
# (FUZZ_SECONDS, default 30), seeded with a few entries.
set -euo pipefail
cd "$(dirname "$0")/../.."
seconds="${FUZZ_SECONDS:-30}"
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz --target policy_entry_fuzz -j "$(nproc)"

corpus="build/fuzz/corpus/policy_entry"
mkdir -p "$corpus"
i=0
for text in '*@example.com,partner.pem' '"a,b",c' '"say ""hi""",x' 'example.com,sel,"k;1.pem"' \
            '*@bank.example,1,0,4' ' a , b ,'; do
  printf '%s' "$text" > "$corpus/seed$i"
  i=$((i + 1))
done
build/fuzz/fuzz/policy_entry_fuzz -max_total_time="$seconds" -max_len=512 \
  -artifact_prefix=build/fuzz/ "$corpus"
