#!/usr/bin/env bash
# Builds the small Windows executables the version-resource tests read, with
# Debian's mingw-w64 toolchain (g++-mingw-w64-x86-64-posix). The output is
# byte-identical on every run (no timestamps, stripped, no C runtime), so the
# files are committed and this script is only needed to change them.
#
#   tools/make-pe-fixtures.sh [OUTPUT_DIR]   (default tests/platform/fixtures)
set -euo pipefail

out="${1:-$(dirname "$0")/../tests/platform/fixtures}"
mkdir -p "$out"
cc=x86_64-w64-mingw32-gcc
rc=x86_64-w64-mingw32-windres
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

cat > "$work/start.c" <<'C'
void start(void) {}
C
$cc -c -Os -o "$work/start.o" "$work/start.c"

link() { # output objects...
    local output="$1"; shift
    $cc -Os -s -nostdlib -Wl,-e,start -Wl,--no-insert-timestamp -o "$output" "$@"
}

versioned() { # name major minor third fourth
    local name="$1" v="$2,$3,$4,$5" text="$2.$3.$4.$5"
    cat > "$work/$name.rc" <<RC
1 VERSIONINFO
FILEVERSION $v
PRODUCTVERSION $v
FILEOS 0x40004
FILETYPE 0x1
BEGIN
  BLOCK "StringFileInfo"
  BEGIN
    BLOCK "040904b0"
    BEGIN
      VALUE "FileDescription", "Morva gateway service (test image)"
      VALUE "FileVersion", "$text"
      VALUE "ProductName", "Morva"
    END
  END
  BLOCK "VarFileInfo"
  BEGIN
    VALUE "Translation", 0x409, 1200
  END
END
RC
    $rc -O coff -o "$work/$name.res.o" "$work/$name.rc"
    link "$out/$name.exe" "$work/start.o" "$work/$name.res.o"
}

versioned gwcored-3.53.2.0 3 53 2 0
versioned gwcored-3.53.0.0 3 53 0 0
versioned gwcored-3.53.0.1 3 53 0 1
link "$out/no-resource.exe" "$work/start.o"
# Headers intact, resource section cut off.
head -c 1024 "$out/gwcored-3.53.2.0.exe" > "$out/truncated.exe"

ls -l "$out"
