#!/usr/bin/env bash
# Builds vorlen and runs every test.
#   tools/test.sh              the native build in build/
#   tools/test.sh --sanitize   the same tests built with AddressSanitizer and
#                              UndefinedBehaviorSanitizer, in build-sanitize/
#   tools/test.sh --web        the browser build (tools/web.sh) played in headless Chromium
#   tools/test.sh --windows    the tests cross-built for Windows (build-win/) under Wine, and
#                              the smoke test of the packed game's window on a virtual screen
set -euo pipefail
cd "$(dirname "$0")/.."

# Configures, builds and runs the CTest tests of one native build folder.
native_tests() {
  local dir=$1; shift
  tools/setup.sh
  cmake -S . -B "$dir" "$@" >/dev/null
  cmake --build "$dir" -j "$(nproc)"
  # The desktop device's own test runs without a screen or a sound card.
  export SDL_VIDEODRIVER=${SDL_VIDEODRIVER:-dummy} SDL_AUDIODRIVER=${SDL_AUDIODRIVER:-dummy}
  ctest --test-dir "$dir" --output-on-failure --no-tests=error -j "$(nproc)"
}

# Builds the site and runs the browser tests (tests/web) with Node's test runner.
web_tests() {
  tools/web.sh --build-only
  cd tests/web
  npm ci --no-audit --no-fund --loglevel=error
  node --test
}

# Cross-builds for Windows and runs the tests and the smoke test under Wine, in a Wine prefix
# prepared once for the run in a temporary folder.
windows_tests() {
  tools/windows.sh
  WINEPREFIX=$(mktemp -d)
  export WINEPREFIX WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
  trap 'wineserver -k 2>/dev/null || true; rm -rf "$WINEPREFIX"' EXIT
  wineserver -p  # one server for the whole run rather than one per program
  wineboot -i >/dev/null 2>&1
  ctest --test-dir build-win --output-on-failure --no-tests=error -j "$(nproc)"
  # The smoke test plays the game as packed, from a folder of its own.
  unzip -q build-win/vorlen-windows.zip -d "$WINEPREFIX/unpacked"
  tests/windows/smoke.sh "$WINEPREFIX/unpacked/vorlen"
}

case "${1:-}" in
  "") native_tests build ;;
  --sanitize) native_tests build-sanitize -DVORLEN_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug ;;
  --web) web_tests ;;
  --windows) windows_tests ;;
  *) echo "usage: tools/test.sh [--sanitize|--web|--windows]" >&2; exit 2 ;;
esac
