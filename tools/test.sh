#!/usr/bin/env bash
# Builds vorlen and runs every test. With --sanitize the build uses AddressSanitizer and
# UndefinedBehaviorSanitizer (in build-sanitize/ instead of build/).
set -euo pipefail
cd "$(dirname "$0")/.."
tools/setup.sh

dir=build
flags=()
if [ "${1:-}" = "--sanitize" ]; then
  dir=build-sanitize
  flags=(-DVORLEN_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug)
fi
cmake -S . -B "$dir" "${flags[@]}" >/dev/null
cmake --build "$dir" -j "$(nproc)"
# The desktop device's own test runs without a screen or a sound card.
export SDL_VIDEODRIVER=${SDL_VIDEODRIVER:-dummy} SDL_AUDIODRIVER=${SDL_AUDIODRIVER:-dummy}
ctest --test-dir "$dir" --output-on-failure --no-tests=error -j "$(nproc)"
