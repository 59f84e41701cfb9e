#!/usr/bin/env bash
# Runs a Windows executable under Wine in a prefix private to the build tree:
#   wine-run.sh PREFIX PROGRAM.exe [ARGS...]
# The first call creates the prefix (in the order Wine needs: boot, crash
# debugger off, wait for the boot to end, persistent server, Wine's own
# services started outside the caller's pipes). Later calls only make sure
# the persistent server runs.
set -euo pipefail
prefix=$1
shift

export WINEPREFIX=$prefix
export WINEDEBUG=-all
export WINEDLLOVERRIDES="winemenubuilder.exe=d;mscoree,mshtml="
export WINEARCH=win64

start_server() {
    # Without a persistent server every run waits ~2.5 s for the server to
    # linger out. "wineserver -p" exits non-zero when one already runs.
    if wineserver -p >/dev/null 2>&1; then
        # Start Wine's own services (services.exe, ...) with no pipes
        # attached, so they do not keep the caller's stdout open.
        wine cmd /c exit 0 </dev/null >/dev/null 2>&1 || true
    fi
}

prepare() {
    mkdir -p "$prefix"
    wineboot -i </dev/null >/dev/null 2>&1
    # A crash must fail the run: without a debugger entry Wine's crash
    # dialog sometimes leaves exit code 0.
    wine reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\AeDebug' \
        /v Debugger /d 'C:\windows\no-debugger.exe' /f </dev/null >/dev/null 2>&1
    wine winecfg /v win10 </dev/null >/dev/null 2>&1 || true
    wineserver -w
    touch "$prefix/.morva-ready"
}

# The lock serialises the first set-up between parallel runs (ctest -j,
# gtest discovery). Its descriptor must not reach Wine's long-lived processes
# (server, services), or they would hold the lock forever: hence 9>&-.
mkdir -p "$(dirname "$prefix")"
exec 9>"$prefix.lock"
flock 9
if [ ! -f "$prefix/.morva-ready" ]; then
    prepare 9>&-
fi
start_server 9>&-
flock -u 9
exec 9>&-

exec wine "$@"
