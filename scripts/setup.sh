#!/usr/bin/env bash
# Installs what the build and the tests need on Debian 12. Idempotent: asks
# apt only when a package is missing. Uses sudo when not root.
set -euo pipefail

packages=(
  # build
  cmake ninja-build g++ clang pkg-config
  libclang-rt-14-dev                       # libFuzzer and the sanitizer runtimes for clang
  g++-mingw-w64-x86-64 g++-mingw-w64-i686 binutils-mingw-w64-x86-64 binutils-mingw-w64-i686
  libgtest-dev googletest libbenchmark-dev
  libcairo2-dev libcups2-dev libfontconfig-dev libstb-dev zlib1g-dev
  libeigen3-dev libtiff-dev                 # least-squares fits of the measurer; TIFF scans
  nsis unzip                               # the Windows installer (CPack), and reading the zip back
  # fonts with the metrics of the faces the pages name
  fonts-liberation fonts-dejavu-core fonts-urw-base35 fontconfig
  # tests: Windows programs under Wine on a virtual display, a private
  # scheduler with file queues, Ghostscript and poppler to read pages back
  wine wine64 xvfb xauth x11-utils
  cups cups-daemon cups-client cups-filters cups-common   # cups alone ships cups-driverd (lpadmin -m drv:///...)
  ghostscript poppler-utils imagemagick time
  locales                                  # localedef: the wine fixture's Cyrillic locale (code page 1251)
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
echo "installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
