#!/usr/bin/env bash
# Builds vorlen and runs every test.
#   tools/test.sh              the native build in build/
#   tools/test.sh --sanitize   the same tests built with AddressSanitizer and
#                              UndefinedBehaviorSanitizer, in build-sanitize/
#   tools/test.sh --web        the browser build (tools/web.sh) played in headless Chromium
#   tools/test.sh --fuzz       every fuzz target for 45 s (tools/fuzz.sh), in build-fuzz/
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

case "${1:-}" in
  "") native_tests build ;;
  --sanitize) native_tests build-sanitize -DVORLEN_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug ;;
  --web) web_tests ;;
  --fuzz) tools/fuzz.sh 45 ;;
  *) echo "usage: tools/test.sh [--sanitize|--web|--fuzz]" >&2; exit 2 ;;
esac
