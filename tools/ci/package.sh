#!/usr/bin/env bash
# Package job: packages the default build that tools/run-tests.sh built and
# tested (cpack strips the binaries), checks the package's desktop entry,
# metainfo, contents and dependencies, installs it with apt-get, tries
# morvactl, its manual page, its bash completion and the console under Xvfb
# from the installed paths, and removes the package again. Needs root (CI
# runs as root). After the test run it takes about half a minute; alone it
# first builds the default preset. (A release build of its own is the
# "package" preset, see the README.)
set -euo pipefail
cd "$(dirname "$0")/../.."

tools/install-deps.sh --no-windows --package

# Configuring again finds help2man, which the test run does not install, and
# adds the manual page; nothing else is rebuilt.
build=build/default
cmake --preset default >/dev/null
cmake --build --preset default -j "$(nproc)"
rm -f "$build"/morva-admin_*.deb
(cd "$build" && cpack -G DEB >/dev/null)
deb=$(ls "$build"/morva-admin_*.deb)
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
echo "== $deb (version $version)"

fail() { echo "package: $*" >&2; exit 1; }

echo "== desktop entry and metainfo"
desktop-file-validate packaging/example.brentmoor.MorvaAdmin.desktop
appstreamcli validate --no-net "$build/packaging/example.brentmoor.MorvaAdmin.metainfo.xml"

echo "== contents and dependencies"
contents=$(dpkg-deb -c "$deb" | awk '{print $6}')
for path in ./usr/bin/morva-admin ./usr/bin/morvactl \
    ./usr/share/applications/example.brentmoor.MorvaAdmin.desktop \
    ./usr/share/metainfo/example.brentmoor.MorvaAdmin.metainfo.xml \
    ./usr/share/icons/hicolor/scalable/apps/example.brentmoor.MorvaAdmin.svg \
    ./usr/share/man/man1/morvactl.1.gz ./usr/share/bash-completion/completions/morvactl \
    ./usr/share/doc/morva-admin/copyright ./usr/share/doc/morva-admin/README.md; do
  grep -qxF "$path" <<<"$contents" || fail "$path missing from the package"
done
depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
for library in libqt6widgets6 libqt6printsupport6 libstdc++6; do
  grep -q "$library" <<<"$depends" || fail "Depends lacks $library"
done
[ "$(dpkg-deb -f "$deb" Version)" = "$version" ] || fail "package version is not $version"

echo "== install"
export DEBIAN_FRONTEND=noninteractive
remove_package() { apt-get remove -y -qq morva-admin >/dev/null 2>&1 || true; }
remove_package
trap remove_package EXIT
apt-get install -y -qq "./$deb" >/dev/null ||
  { apt-get update -qq && apt-get install -y -qq "./$deb" >/dev/null; }

echo "== morvactl"
/usr/bin/morvactl --help >/dev/null
[ "$(/usr/bin/morvactl --version)" = "morvactl $version" ] || fail "morvactl --version"
MANPAGER=cat MANWIDTH=80 man morvactl 2>/dev/null | grep -q -- "--program-dir" ||
  fail "man morvactl does not describe --program-dir"

echo "== bash completion"
complete_words() {
  bash -c '
    source /usr/share/bash-completion/bash_completion
    source /usr/share/bash-completion/completions/morvactl
    COMP_WORDS=("$@"); COMP_CWORD=$(($# - 1)); COMP_LINE="$*"; COMP_POINT=${#COMP_LINE}
    _morvactl morvactl "${COMP_WORDS[COMP_CWORD]}" "${COMP_WORDS[COMP_CWORD - 1]}"
    printf "%s\n" "${COMPREPLY[@]}" | sort | tr "\n" " "' completion "$@"
}
expect_completion() {
  local expected=$1; shift
  local got
  got=$(complete_words "$@")
  [ "$got" = "$expected" ] || fail "completion of '$*': got '$got', expected '$expected'"
}
expect_completion "config log records schema service signal stats " morvactl ""
expect_completion "service " morvactl --program-dir /tmp se
expect_completion "alias block user " morvactl records delete ""
expect_completion "--deliver --no-wait " morvactl records add alias a b --
expect_completion "0 1 2 " morvactl records add block ""
expect_completion "--dry-run --format --no-wait --replace " morvactl records import alias f.csv --
expect_completion "Language " morvactl config set Languag
expect_completion "start status stop " morvactl service st

echo "== installed console under Xvfb"
demo=$(mktemp -d)
shot="$build/installed-console.png"
cp tools/demo/Morva.ini "$demo/"
cp tests/platform/fixtures/gwcored-3.53.0.0.exe "$demo/gwcored.exe"
/usr/bin/morvactl --program-dir "$demo" config set LogPath "" >/dev/null
/usr/bin/morvactl --program-dir "$demo" config set AdminLogPath "" >/dev/null
# The console reports its first paint; a screenshot after it, then it must
# still be running.
MORVA_PROGRAM_DIR="$demo/" MORVA_REPORT_STARTUP=1 xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
  /usr/bin/morva-admin 2>"$1/stderr" &
  console=$!
  for _ in $(seq 60); do
    grep -q "first paint" "$1/stderr" && break
    kill -0 "$console" 2>/dev/null || break
    sleep 0.5
  done
  grep -q "first paint" "$1/stderr" || { echo "the console did not come up" >&2; cat "$1/stderr" >&2; exit 1; }
  sleep 2
  import -window root "$2"
  kill -0 "$console" || { echo "the console ended" >&2; exit 1; }
  kill "$console"; wait "$console" 2>/dev/null || true' console "$demo" "$shot"
rm -rf "$demo"
echo "screenshot: $shot"

echo "== remove"
trap - EXIT
apt-get remove -y -qq morva-admin >/dev/null
[ ! -e /usr/bin/morvactl ] || fail "morvactl left behind"
echo "package job passed"
