#!/usr/bin/env bash
# Format job: every C++ file of src/, tests/, bench/, fuzz/ and tools/ must be
# laid out as .clang-format says. Lists the files that are not; fix them with
#   clang-format -i FILE...
set -euo pipefail
cd "$(dirname "$0")/../.."

command -v clang-format >/dev/null || tools/install-deps.sh --no-windows
mapfile -t files < <(git ls-files -- 'src/*' 'tests/*' 'bench/*' 'fuzz/*' 'tools/*' |
  grep -E '\.(cpp|cc|cxx|h|hpp)$')
echo "== clang-format $(clang-format --version | grep -o '[0-9][0-9.]*' | head -1) on ${#files[@]} files"
# One run over all files; each deviation is reported as FILE:LINE:COL: error.
mapfile -t deviating < <(clang-format --dry-run -Werror "${files[@]}" 2>&1 |
  sed -n 's/^\(.*\):[0-9]*:[0-9]*: error: .*/\1/p' | sort -u)
if [ ${#deviating[@]} -gt 0 ]; then
  printf '  %s\n' "${deviating[@]}"
  echo "${#deviating[@]} files are not formatted (clang-format -i on them)" >&2
  exit 1
fi
echo "every file is formatted"
