#!/usr/bin/env bash
# Builds vorlen and starts the game in a window on the desktop.
set -euo pipefail
cd "$(dirname "$0")/.."
. tools/common.sh
tools/setup.sh
build_native vorlen
exec build/bin/vorlen
