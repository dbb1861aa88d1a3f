#!/usr/bin/env bash
# Benchmark, not a test: the processor share the desktop game takes while nothing moves, per
# screen, measured with pidstat under Xvfb at scale 2 with Mesa's software renderer.
#   tools/bench-idle.sh [SECONDS [REPEATS]]   each screen is measured REPEATS times for SECONDS
# The game keeps its session in a private folder; VORLEN_BENCH_KEEP=0 gives it nowhere to keep
# it, to measure what keeping costs.
# Prints, per screen, every measure and their median, in per cent of one core.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-10}
repeats=${2:-3}

if [ -z "${VORLEN_BENCH_INSIDE:-}" ]; then
  tools/setup.sh idle
  cmake -S . -B build >/dev/null
  cmake --build build -j "$(nproc)" --target vorlen >/dev/null
  VORLEN_BENCH_INSIDE=1 exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$seconds" "$repeats"
fi

export LC_ALL=C VORLEN_SCALE=2 LIBGL_ALWAYS_SOFTWARE=1 SDL_AUDIODRIVER=dummy
XDG_RUNTIME_DIR=$(mktemp -d)
export XDG_RUNTIME_DIR XDG_STATE_HOME=$XDG_RUNTIME_DIR
if [ "${VORLEN_BENCH_KEEP:-1}" = 0 ]; then unset XDG_STATE_HOME HOME; fi
build/bin/vorlen &
game=$!
trap 'kill "$game" 2>/dev/null; wait "$game" 2>/dev/null; rm -rf "$XDG_RUNTIME_DIR"' EXIT
window=$(xdotool search --sync --onlyvisible --name '^vorlen$' | head -1)
SETTLE=2  # seconds for a screen to open before it is measured

# Taps device pixel (x, y): at scale 2 the window's pixels are twice the device's.
tap() {
  xdotool mousemove --window "$window" $(($1 * 2)) $(($2 * 2)) click 1
  sleep "$SETTLE"
}

# The game's share of a core over SECONDS, from pidstat's average line.
cpu_share() {
  pidstat -u -p "$game" "$seconds" 1 |
    awk '/%CPU/ { for (i = 1; i <= NF; i++) if ($i == "%CPU") col = i } /^Average:/ { print $col }'
}

# Measures the screen on show REPEATS times and prints the figures and their median.
measure() {
  local name=$1 figures=()
  for _ in $(seq "$repeats"); do figures+=("$(cpu_share)"); done
  local median
  median=$(printf '%s\n' "${figures[@]}" | sort -g | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }')
  printf '%-16s median %5s %%   (%s)\n' "$name" "$median" "${figures[*]}"
}

sleep "$SETTLE"
measure "title"
tap 120 290          # "Tap here to start"
measure "menu"
tap 57 281           # New game: a person (White) against the computer
measure "person's turn"
tap 160 300          # About
measure "about"
