#!/usr/bin/env bash
# Builds the console and runs it on the demo program directory.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-deps.sh --no-windows
cmake --preset default >/dev/null
cmake --build --preset default -j "$(nproc)"
demo=build/default/demo
rm -rf "$demo"
mkdir -p "$demo"
cp -r tools/demo/. "$demo/"
build/default/src/cli/morvactl --program-dir "$demo" config list --changed
