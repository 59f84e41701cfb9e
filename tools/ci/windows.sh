#!/usr/bin/env bash
# Windows job: cross-builds the core, the platform layer with its Windows
# backends, morvactl.exe and the core tests with mingw-w64, and runs the tests
# under Wine in a prefix private to the build tree (build/windows-cross/wineprefix).
set -euo pipefail
cd "$(dirname "$0")/../.."

tools/install-deps.sh

build=build/windows-cross
export WINEPREFIX="$PWD/$build/wineprefix"
stop_wine() { [ -d "$WINEPREFIX" ] && wineserver -k 2>/dev/null || true; }
trap stop_wine EXIT

echo "== windows-cross build"
cmake --preset windows-cross >/dev/null
cmake --build --preset windows-cross -j "$(nproc)"
echo "== windows-cross tests (Wine)"
ctest --preset windows-cross -j 2 --timeout 60
