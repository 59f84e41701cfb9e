#!/usr/bin/env bash
# Builds the console and runs it on a demo program directory in the build
# tree (build/default/demo), with the gateway simulator writing the log and
# answering signal files. The simulator stops when the console exits.
#   tools/run-demo.sh            build, prepare, run
#   MORVA_DEMO_RATE=50 tools/run-demo.sh   more log lines per second
#   MORVA_DEMO_LANGUAGE=DEU tools/run-demo.sh   the console in German (DEU,
#       FRA, ITA, ESP; "" follows the desktop's locale; default: the demo
#       configuration's ENG)
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-deps.sh --no-windows
cmake --preset default >/dev/null
cmake --build --preset default -j "$(nproc)" --target morva-admin morvactl gwsim

build=build/default
demo=$build/demo
rm -rf "$demo"
mkdir -p "$demo"
cp tools/demo/Morva.ini "$demo/"
# A gateway executable of the console's own version: no version warning.
cp tests/platform/fixtures/gwcored-3.53.0.0.exe "$demo/gwcored.exe"

ctl() { "$build/src/cli/morvactl" --program-dir "$demo" "$@" >/dev/null; }
# The demo configuration names the log directory of a Windows gateway; here
# the log stays in the program directory.
ctl config set LogPath ""
ctl config set AdminLogPath ""
if [ -n "${MORVA_DEMO_LANGUAGE+set}" ]; then
  ctl config set Language "$MORVA_DEMO_LANGUAGE"
fi
tools/demo/make-records.sh "$build/src/cli/morvactl" "$demo"

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "run-demo: no display; run it in a desktop session or under xvfb-run" >&2
  exit 2
fi

"$build/tools/gwsim/gwsim" --program-dir "$demo" --rate "${MORVA_DEMO_RATE:-5}" \
    --prefill 300 --quiet &
gwsim=$!
trap 'kill "$gwsim" 2>/dev/null; wait "$gwsim" 2>/dev/null || true' EXIT

MORVA_PROGRAM_DIR="$(cd "$demo" && pwd)/" "$build/src/app/morva-admin" "$@"
