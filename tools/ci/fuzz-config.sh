#!/usr/bin/env bash
# Fuzz job: the configuration file reader and the network text parser, each
# for a bounded time (FUZZ_SECONDS, default 60), seeded with the demo file.
set -euo pipefail
cd "$(dirname "$0")/../.."
seconds="${FUZZ_SECONDS:-60}"
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz --target config_reader_fuzz config_network_fuzz -j "$(nproc)"

reader="build/fuzz/corpus/config_reader"
network="build/fuzz/corpus/config_network"
mkdir -p "$reader" "$network"
cp tools/demo/Morva.ini "$reader/demo.ini"
printf 'Include=a.ini\r\nSMTPRelayAllowIP=10\r\n\n#--\nInclude=b.ini\n#--\nInclude=a.ini\n' \
  > "$reader/includes.ini"
i=0
for text in 10.1.2.3/24 10 172.16.5 0.0.0.0/0 ::1 2001:db8::/32 1:2:3:4:5:6:7:8 host.example; do
  printf '%s' "$text" > "$network/seed$i"
  i=$((i + 1))
done

build/fuzz/fuzz/config_reader_fuzz -max_total_time="$seconds" -max_len=4096 \
  -artifact_prefix=build/fuzz/ "$reader"
build/fuzz/fuzz/config_network_fuzz -max_total_time="$seconds" -max_len=128 \
  -artifact_prefix=build/fuzz/ "$network"
