#!/usr/bin/env bash
# Builds and runs every test: the default (optimised) build and the
# ASan+UBSan build. The default build has the stricter warnings as errors
# (MORVA_WERROR; MORVA_WERROR=OFF in the environment builds without them);
# the ASan build compiles the same code and only adds the sanitizers' own
# false alarms, so it keeps warnings as warnings.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-deps.sh --no-windows
jobs=$(nproc)
# MORVA_PCH=ON: precompiled Qt headers for the console's libraries, for clean builds
# without ccache (ccache does not cache the sources that use them).
pch=${MORVA_PCH:-OFF}
for preset in default asan; do
  echo "== $preset build"
  werror=OFF
  [ "$preset" = default ] && werror=${MORVA_WERROR:-ON}
  cmake --preset "$preset" -DMORVA_WERROR="$werror" -DMORVA_PCH="$pch" >/dev/null
  cmake --build --preset "$preset" -j "$jobs"
  echo "== $preset tests"
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    LSAN_OPTIONS=suppressions="$PWD/tools/lsan.supp" \
    ctest --preset "$preset" -j "$jobs"
done
