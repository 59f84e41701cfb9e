#!/usr/bin/env bash
# Fuzz job: one build of every libFuzzer target (preset "fuzz", clang), then
# each target for a bounded time, as many at once as there are cores. Each
# target's corpus is seeded with realistic inputs; a crash leaves its input
# in build/fuzz/ and fails the job.
#   FUZZ_SECONDS  seconds per target (default: 60 for the configuration,
#                 network and executable readers, 30 for the others)
#   FUZZ_TARGETS  only these targets (names as below, separated by spaces)
set -euo pipefail
cd "$(dirname "$0")/../.."
build=build/fuzz
corpora=$build/corpus

# name  seconds  max_len
targets=(
  "config_reader_fuzz   60 4096"
  "config_network_fuzz  60 128"
  "fuzz_pe_version      60 8192"
  "fuzz_db_email        30 4096"
  "fuzz_db_records      30 4096"
  "fuzz_log_reader      30 8192"
  "policy_entry_fuzz    30 512"
  "fuzz_statistics_text 30 4096"
  "fuzz_stat_history    20 4096"
  "fuzz_log_filter      20 2048"
  "settings_search_fuzz 20 512"
  "csv_reader_fuzz      20 4096"
  "list_checks_fuzz     20 4096"
  "import_plan_fuzz     20 4096"
)
if [ -n "${FUZZ_TARGETS:-}" ]; then
  selected=()
  for row in "${targets[@]}"; do
    for wanted in $FUZZ_TARGETS; do
      [ "${row%% *}" = "$wanted" ] && selected+=("$row")
    done
  done
  targets=("${selected[@]}")
fi
names=()
for row in "${targets[@]}"; do names+=("${row%% *}"); done

cmake --preset fuzz >/dev/null
cmake --build --preset fuzz --target "${names[@]}" -j "$(nproc)"

seed() { # seed CORPUS NAME TEXT (printf format)
  mkdir -p "$corpora/$1"
  # shellcheck disable=SC2059
  printf "$3" >"$corpora/$1/$2"
}
seed_each() { # seed_each CORPUS TEXT... : one file per text, taken literally
  local corpus=$1 i=0
  shift
  mkdir -p "$corpora/$corpus"
  for text in "$@"; do
    printf '%s' "$text" >"$corpora/$corpus/seed$i"
    i=$((i + 1))
  done
}

mkdir -p "$corpora"/{config_reader,config_network,pe_version,db_email,db_records,log_reader}
cp tools/demo/Morva.ini "$corpora/config_reader/demo.ini"
seed config_reader includes.ini \
  'Include=a.ini\r\nSMTPRelayAllowIP=10\r\n\n#--\nInclude=b.ini\n#--\nInclude=a.ini\n'
# an unterminated quote left with a blank at its end (no line holds it exactly)
seed config_reader quote-star 'InboundBlockSubject="; *'
seed_each config_network 10.1.2.3/24 10 172.16.5 0.0.0.0/0 ::1 2001:db8::/32 \
  1:2:3:4:5:6:7:8 host.example
cp tests/platform/fixtures/*.exe "$corpora/pe_version/"
# append a line, read, append half a line, read, append the rest, read
seed log_reader appends '\x00\x2f081226001 10:00:00 12: Connection from 192.0.2.1\r\n\x01\x03\x00\x08081226001\x01\x01\x00\x10 10:00:01 1: half\r\n\x01\x00'
# a burst on a file already at the harness's size cap leaves it unchanged
base64 -d >"$corpora/log_reader/burst-at-cap" <<<'ATA6MDA6MDAgMgAQrzgyMTJVNhAwMgAAAAAAra2tra2tra2tra2tra2tra2tJDAwIDEwOjAwOjAwIDIAEK84MjEyVTYQMDIwMQAAYxABBM3zMLowMTowMAkwTQA='
seed log_reader rotation '\x00\x20081226001 10:00:00 12: first line\r\n\x01\x00\x02\x00\x00\x10081226002 10:01:00\x01\x00'
seed_each policy_entry '*@example.com,partner.pem' '"a,b",c' '"say ""hi""",x' \
  'example.com,sel,"k;1.pem"' '*@bank.example,1,0,4' ' a , b ,'
seed statistics_text counters 'Service: Morva v3.53\r\nUptime: 0d 01:02:03\r\nMessages received: 42\r\n'
seed statistics_text odd 'no colon\n:\n a : b : c \n'
seed statistics_text name 'MorvaGate\r\n'

corpus_of() { # the corpus directory of a target
  local name=${1%_fuzz}
  echo "$corpora/${name#fuzz_}"
}

run_target() { # run_target NAME SECONDS MAX_LEN
  local seconds=${FUZZ_SECONDS:-$2}
  mkdir -p "$(corpus_of "$1")"
  "$build/fuzz/$1" -max_total_time="$seconds" -max_len="$3" -artifact_prefix="$build/$1-" \
    "$(corpus_of "$1")" >"$build/$1.log" 2>&1
}

jobs=$(nproc)
echo "== fuzzing ${names[*]} ($jobs at a time)"
for row in "${targets[@]}"; do
  read -r name seconds max_len <<<"$row"
  while [ "$(jobs -rp | wc -l)" -ge "$jobs" ]; do
    wait -n || true
  done
  rm -f "$build/$name.status"
  (
    status=0
    run_target "$name" "$seconds" "$max_len" || status=$?
    echo "$status" >"$build/$name.status"
  ) &
done
wait

failed=0
for name in "${names[@]}"; do
  status=$(cat "$build/$name.status" 2>/dev/null || echo "no status")
  runs=$(grep -o 'Done [0-9]* runs' "$build/$name.log" | tail -1 || true)
  echo "$name: exit $status${runs:+, $runs}"
  if [ "$status" != 0 ]; then
    failed=1
    tail -n 60 "$build/$name.log"
  fi
done
[ "$failed" -eq 0 ] || { echo "fuzzing found a fault (inputs: $build/*-crash-*)" >&2; exit 1; }
