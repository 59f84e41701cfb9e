#!/usr/bin/env bash
# Builds and runs every test: the default (optimised) build and the
# ASan+UBSan build.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-deps.sh --no-windows
jobs=$(nproc)
for preset in default asan; do
  echo "== $preset build"
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset" -j "$jobs"
  echo "== $preset tests"
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    ctest --preset "$preset" -j "$jobs"
done
