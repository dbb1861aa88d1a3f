#!/usr/bin/env bash
# Builds vorlen and starts the game in a window on the desktop.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/setup.sh
cmake -S . -B build >/dev/null
cmake --build build -j "$(nproc)" --target vorlen
exec build/bin/vorlen
