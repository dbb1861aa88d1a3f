#!/usr/bin/env bash
# Builds the game in build/ and runs the monkey: SEED chooses the events, COUNT how many.
#   tools/monkey.sh SEED COUNT
# A fault prints the seed and the event after which it was found; run the same two numbers
# again to see it again.
set -euo pipefail
cd "$(dirname "$0")/.."
[ $# -eq 2 ] || { echo "usage: tools/monkey.sh SEED COUNT" >&2; exit 2; }
. tools/common.sh
tools/setup.sh
build_native vorlen-monkey >/dev/null
exec build/bin/vorlen-monkey "$1" "$2"
