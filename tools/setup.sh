#!/usr/bin/env bash
# Makes sure the Debian packages a build needs are installed: installs the missing ones when
# run as root, otherwise prints the one apt-get line that is needed and fails.
#   tools/setup.sh            the native build and its tests
#   tools/setup.sh GROUP...   that and the packages of each named group (see below)
#     web       the browser build and its tests: Emscripten, Chromium, Node.js and npm, and
#               Python, whose web server tools/web.sh starts
#     uci       the UCI client test (tests/uci): Node.js and npm
#     package   checking the installation, and building, checking and testing the Debian packages
#     idle      tools/bench/idle.sh: Xvfb, xdotool and pidstat
#     bench     tools/bench/engine.sh: fairy-stockfish, bc, and git for the older engine
#     fuzz      tools/fuzz.sh: clang with libFuzzer and the sanitizers' runtime (the packages
#               that follow Debian's default clang, whatever its version)
#     windows   the cross build for Windows and its installer (wixl), its tests under Wine and
#               the smoke test on Xvfb
set -euo pipefail

packages=(cmake make g++ pkg-config libgtest-dev libsdl2-dev libpng-dev)
for group in "$@"; do
  case "$group" in
    # npm comes inside some Node.js packages; Debian's own is asked for only where it is missing.
    web) packages+=(emscripten chromium nodejs python3); command -v npm >/dev/null || packages+=(npm) ;;
    uci) packages+=(nodejs); command -v npm >/dev/null || packages+=(npm) ;;
    package) packages+=(desktop-file-utils appstream lintian dpkg-dev debhelper autopkgtest file) ;;
    idle) packages+=(xvfb xauth xdotool sysstat) ;;
    bench) packages+=(fairy-stockfish bc git) ;;
    fuzz) packages+=(clang libclang-rt-dev) ;;
    windows) packages+=(mingw-w64 googletest wine wine64 xvfb xauth openbox xdotool x11-utils imagemagick zip
                        unzip icoutils wixl msitools) ;;
    *) echo "tools/setup.sh: unknown group '$group'" >&2; exit 2 ;;
  esac
done

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

if [ "$(id -u)" -eq 0 ]; then
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}"
else
  echo "vorlen needs these Debian packages; install them with:" >&2
  echo "  sudo apt-get install -y ${missing[*]}" >&2
  exit 1
fi
