#!/usr/bin/env bash
# Fuzz job: runs the PE version reader's fuzz target for a short while,
# seeded with the committed executables.
set -euo pipefail
cd "$(dirname "$0")/../.."
seconds="${FUZZ_SECONDS:-60}"
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz --target fuzz_pe_version -j "$(nproc)"
corpus="build/fuzz/corpus/pe_version"
mkdir -p "$corpus"
cp tests/platform/fixtures/*.exe "$corpus/"
build/fuzz/fuzz/fuzz_pe_version -max_total_time="$seconds" -max_len=8192 "$corpus"
