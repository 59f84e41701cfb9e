#!/usr/bin/env bash
# Static checks job: clang-tidy (.clang-tidy) on every source under src/ that
# builds without Qt, with the compile commands of the default build that
# tools/run-tests.sh made (no build of its own). Fails on any finding.
# With arguments, only those files: tools/ci/tidy.sh src/config/IpNetwork.cpp
set -euo pipefail
cd "$(dirname "$0")/../.."
root=$PWD
build=build/default

tools/install-deps.sh --no-windows
if [ ! -f "$build/compile_commands.json" ]; then
  cmake --preset default >/dev/null
fi

if [ $# -gt 0 ]; then
  files=()
  for file in "$@"; do files+=("$(realpath "$file")"); done
else
  mapfile -t files < <(python3 - "$root" "$build/compile_commands.json" <<'PY'
import json, sys
root, commands = sys.argv[1], sys.argv[2]
seen = set()
for entry in json.load(open(commands)):
    path = entry["file"]
    command = entry.get("command") or " ".join(entry.get("arguments", []))
    if not path.startswith(root + "/src/"):
        continue
    if "qt6" in command.lower() or path in seen:
        continue
    seen.add(path)
    print(path)
PY
  )
fi
echo "== clang-tidy on ${#files[@]} files"
log=$(mktemp)
trap 'rm -f "$log"' EXIT
status=0
# The build may turn warnings into errors; clang-tidy reports only its checks.
run-clang-tidy -quiet -extra-arg=-Wno-error -p "$build" -j "$(nproc)" "${files[@]}" >"$log" 2>/dev/null || status=$?
# Only the findings: no command lines, no counts of suppressed warnings.
sed 's/\x1b\[[0-9;]*m//g' "$log" |
  grep -v '^clang-tidy\|warnings\? generated\|^Suppressed \|^Use -header-filter\|^Error while processing' || true
if [ "$status" -ne 0 ]; then
  echo
  echo "clang-tidy found problems (see above)" >&2
  exit 1
fi
echo "clang-tidy: no findings"
