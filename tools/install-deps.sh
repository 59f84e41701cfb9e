#!/usr/bin/env bash
# Installs the Debian 12 packages the build, the tests and the demo need,
# only those that are missing. Run as root (or with sudo available).
set -euo pipefail

packages=(
  cmake ninja-build g++ pkg-config python3
  libgtest-dev libgmock-dev googletest libbenchmark-dev
  qt6-base-dev qt6-base-dev-tools libgl-dev
  qt6-charts-dev libqt6opengl6-dev
  clang libclang-rt-14-dev llvm
  libinih-dev libsimpleini-dev
  xvfb xauth imagemagick fonts-dejavu-core
  g++-mingw-w64-x86-64-posix wine wine64
)
# The static checks and the layout check (tools/ci/tidy.sh, tools/ci/format.sh).
packages+=(clang-tidy clang-format)
# pdftotext: the log view's print test reads the PDF it printed.
packages+=(poppler-utils)
# Qt's own texts (print and file dialogs, key names) in the console's
# languages; without them Qt's dialogs stay English.
packages+=(qt6-translations-l10n)
if [ "${1:-}" = "--no-windows" ]; then
  packages=("${packages[@]/g++-mingw-w64-x86-64-posix}")
  packages=("${packages[@]/wine64}")
  packages=("${packages[@]/wine}")
fi
# --package: also the tools that build and check the Debian package (cpack's
# dependency scan, the manual page, the desktop entry and metainfo checks,
# and what the installed package is tried with).
for option in "$@"; do
  if [ "$option" = "--package" ]; then
    packages+=(dpkg-dev file help2man desktop-file-utils appstream bash-completion man-db)
  fi
done

missing=()
for p in "${packages[@]}"; do
  [ -n "$p" ] || continue
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

SUDO=""
[ "$(id -u)" -eq 0 ] || SUDO="sudo"
echo "Installing: ${missing[*]}"
$SUDO apt-get update -qq
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
