#!/usr/bin/env bash
# Measures how the configuration save and the readers stand up to real
# processes, and prints the figures:
#   concurrent: rounds of two `morvactl config set` started together with
#               different keys; a round is a loss when both exit 0 and one
#               value is missing from the file afterwards
#   kills:      `morvactl config set` killed (SIGKILL) at random moments of a
#               save of a large owner-only file holding a password: the file
#               must stay whole (old or new), every temporary left behind must
#               be owner-only (else a leak), and the next save removes them
#   special:    time until morvactl refuses an include of /dev/zero, a
#               "Morva.ini" linked to /dev/zero, and a FIFO as "GW.log" or
#               "CONST-A.dat" (nobody writes the FIFO: a reader would hang)
# Usage: tools/save-safety-figures.sh [MORVACTL] [ROUNDS] [KILLS]
set -uo pipefail
cd "$(dirname "$0")/.."
ctl=${1:-build/default/src/cli/morvactl}
rounds=${2:-200}
kills=${3:-200}
demo=tools/demo/Morva.ini
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

now_ms() { echo $(( $(date +%s%N) / 1000000 )); }

# --- concurrent sets ------------------------------------------------------
losses=0 both=0 refused=0 other=0
for ((round = 0; round < rounds; ++round)); do
  cp "$demo" "$work/Morva.ini"
  "$ctl" --program-dir "$work" config set Verbose False >/dev/null 2>"$work/errA" &
  a=$!
  "$ctl" --program-dir "$work" config set DbgCon False >/dev/null 2>"$work/errB" &
  b=$!
  wait $a; ea=$?
  wait $b; eb=$?
  hasA=0 hasB=0
  grep -qi '^Verbose=False' "$work/Morva.ini" && hasA=1
  grep -qi '^DbgCon=False' "$work/Morva.ini" && hasB=1
  if ((ea == 0 && eb == 0)); then
    if ((hasA && hasB)); then both=$((both + 1)); else losses=$((losses + 1)); fi
  elif ((ea == 0 && hasA)) || ((eb == 0 && hasB)); then
    # the other one was refused: its value must be absent, the refusal said
    refused=$((refused + 1))
  else
    other=$((other + 1))
  fi
done
echo "concurrent: rounds=$rounds both_saved=$both one_refused=$refused other=$other silent_losses=$losses"

# --- kills during saves ---------------------------------------------------
big="$work/big.ini"
{
  cat "$demo"
  echo "OutboundSMTPAuthPassword=secret-of-the-owner"
  for ((i = 0; i < 60000; ++i)); do echo "InboundBlockAtt=*.x$i"; done
} >"$big"
items=$(grep -c '^InboundBlockAtt=' "$big")
killed=0 whole=0 broken=0 leftovers=0 leaks=0 remaining=0
for ((k = 0; k < kills; ++k)); do
  cp "$big" "$work/Morva.ini"
  chmod 0600 "$work/Morva.ini"
  value=$([ $((k % 2)) -eq 0 ] && echo False || echo True)
  "$ctl" --program-dir "$work" config set Verbose "$value" >/dev/null 2>&1 &
  pid=$!
  # Loading and saving this file takes about 0.3 s on a busy machine of two
  # cores; the kills are spread over all of it.
  sleep "$(printf '0.%03d' $((RANDOM % 450 + 20)))"
  if kill -9 $pid 2>/dev/null; then killed=$((killed + 1)); fi
  wait $pid 2>/dev/null
  # Old or new file: the password and every item (a save writes the items
  # in their stored form, ".x1" for *.x1).
  if grep -q '^OutboundSMTPAuthPassword=secret-of-the-owner' "$work/Morva.ini" &&
    [ "$(grep -c '^InboundBlockAtt=' "$work/Morva.ini")" -eq "$items" ] &&
    grep -q -e '^InboundBlockAtt=\*\.x59999' -e '^InboundBlockAtt="\.x59999"' "$work/Morva.ini"; then
    whole=$((whole + 1))
  else
    broken=$((broken + 1))
  fi
  for tmp in "$work"/~Morva.ini.*; do
    [ -e "$tmp" ] || continue
    leftovers=$((leftovers + 1))
    mode=$(stat -c %a "$tmp")
    (( (8#$mode & 8#077) != 0 )) && leaks=$((leaks + 1))
  done
  # The next save cleans up after the killed one.
  "$ctl" --program-dir "$work" config set DbgCon False >/dev/null 2>&1
  for tmp in "$work"/~Morva.ini.*; do
    [ -e "$tmp" ] && remaining=$((remaining + 1))
  done
done
echo "kills: runs=$kills killed_mid_run=$killed file_whole=$whole file_broken=$broken" \
  "temporaries_left=$leftovers readable_by_others=$leaks left_after_next_save=$remaining"

# --- special files --------------------------------------------------------
time_refusal() { # label, then the command
  local label=$1
  shift
  local start end code
  start=$(now_ms)
  timeout 30 "$@" >/dev/null 2>"$work/special.err"
  code=$?
  end=$(now_ms)
  echo "special: $label exit=$code ms=$((end - start)) $(head -c 160 "$work/special.err" | tr '\n' ' ')"
}
rm -rf "${work:?}"/*
cp "$demo" "$work/Morva.ini"
echo "Include=/dev/zero" >>"$work/Morva.ini"
time_refusal "include /dev/zero (config check)" "$ctl" --program-dir "$work" config check
time_refusal "include /dev/zero (config get)" "$ctl" --program-dir "$work" config get Verbose
rm -f "$work/Morva.ini"
ln -s /dev/zero "$work/Morva.ini"
time_refusal "Morva.ini -> /dev/zero (config get)" "$ctl" --program-dir "$work" config get Verbose
time_refusal "Morva.ini -> /dev/zero (config set)" "$ctl" --program-dir "$work" config set Verbose True
rm -f "$work/Morva.ini"
cp "$demo" "$work/Morva.ini"
"$ctl" --program-dir "$work" config set LogPath "" >/dev/null
"$ctl" --program-dir "$work" config set AdminLogPath "" >/dev/null
mkfifo "$work/GW.log"
time_refusal "GW.log FIFO (log)" "$ctl" --program-dir "$work" log
mkfifo "$work/CONST-A.dat"
time_refusal "CONST-A.dat FIFO (stats)" "$ctl" --program-dir "$work" stats
