#!/usr/bin/env bash
# The engine's speed beside two references, measured side by side in one run:
#   - Fairy-Stockfish's antichess perft 6 from the start (Debian's fairy-stockfish);
#   - the engine as it was before it was made faster (commit $BASELINE), built here with this
#     tree's benchmark so that both print the same figures for the same positions and nodes.
#   tools/bench/engine.sh [ROUNDS]
# Each round runs every program once, alternating them; the best figure of all rounds counts,
# since other work on the machine only ever slows a run down.
set -euo pipefail
cd "$(dirname "$0")/../.."

BASELINE=ed78fd8  # the last commit whose engine tried every square for every piece
rounds=${1:-3}
fairy=/usr/games/fairy-stockfish
work=build-bench
tools/setup.sh bench

# Builds vorlen-engine from one source tree into $work/$1 with the project's default flags.
build_engine() {
  cmake -S "$2" -B "$work/$1" -DVORLEN_TESTS=OFF -DVORLEN_DESKTOP=OFF >/dev/null
  cmake --build "$work/$1" -j "$(nproc)" --target vorlen-engine >/dev/null
}

mkdir -p "$work"
rm -f "$work"/current-*.txt "$work"/baseline-*.txt
rm -rf "$work/baseline-src" && mkdir -p "$work/baseline-src"
git archive "$BASELINE" | tar -x -C "$work/baseline-src"
cp tools/engine/bench.cpp tools/engine/bench.h "$work/baseline-src/tools/engine/"
build_engine baseline "$work/baseline-src"
build_engine current .
current=$work/current/bin/vorlen-engine
baseline=$work/baseline/bin/vorlen-engine

# Seconds of wall-clock time the command takes.
seconds_of() {
  local start end
  start=$(date +%s.%N)
  "$@" >/dev/null
  end=$(date +%s.%N)
  echo "$end - $start" | bc -l
}

# Fairy-Stockfish's antichess perft 6 from the start, through its UCI.
fairy_perft() {
  printf 'uci\nsetoption name UCI_Variant value antichess\nposition startpos\ngo perft 6\nquit\n' |
    "$fairy" | grep -q 'Nodes searched: 46383441'
}

# The best (lowest) of a list of numbers.
best_of() { printf '%s\n' "$@" | sort -g | head -n 1; }

# One field ($2: 1-based, counted from the line's start) of a benchmark line matching $1, as
# time in ms, the least over every saved output file given after.
best_field() {
  local pattern=$1 field=$2; shift 2
  best_of $(for file in "$@"; do grep -E "$pattern" "$file" | awk -v f="$field" '{print $f}'; done)
}

perft_current=() perft_fairy=()
for ((round = 1; round <= rounds; round++)); do
  echo "round $round of $rounds" >&2
  perft_current+=("$(seconds_of "$current" perft 6)")
  perft_fairy+=("$(seconds_of fairy_perft)")
  "$current" bench >"$work/current-$round.txt"
  "$baseline" bench >"$work/baseline-$round.txt"
done

leaves=46383441
best_current=$(best_of "${perft_current[@]}")
best_fairy=$(best_of "${perft_fairy[@]}")
echo "machine: $(uname -m), $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ *//'), $(nproc) cores"
echo "date: $(date -u '+%Y-%m-%d %H:%M UTC'), best of $rounds rounds"
printf 'perft 6 from the start (%d leaves)\n' "$leaves"
printf '  vorlen          %8.3f s  %7.2f M leaves/s\n' "$best_current" "$(echo "$leaves / $best_current / 1000000" | bc -l)"
printf '  fairy-stockfish %8.3f s  %7.2f M leaves/s\n' "$best_fairy" "$(echo "$leaves / $best_fairy / 1000000" | bc -l)"
printf '  ratio           %8.1fx\n' "$(echo "$best_fairy / $best_current" | bc -l)"
current_files=("$work"/current-*.txt)
baseline_files=("$work"/baseline-*.txt)
echo "perft 5 over the benchmark's positions, against $BASELINE"
now=$(best_field '^  all ' 4 "${current_files[@]}")
before=$(best_field '^  all ' 4 "${baseline_files[@]}")
printf '  vorlen %9.1f ms  %s %9.1f ms  ratio %6.1fx\n' "$now" "$BASELINE" "$before" "$(echo "$before / $now" | bc -l)"
echo "computer's choice by level band (same positions, same nodes), against $BASELINE"
for band in ' 0-4 ' ' 5-9 ' '10-14'; do
  nodes=$(grep -E "^  levels +$band" "${current_files[0]}" | awk '{print $4}')
  now=$(best_field "^  levels +$band" 5 "${current_files[@]}")
  before=$(best_field "^  levels +$band" 5 "${baseline_files[@]}")
  printf '  levels %s  nodes %7d  vorlen %8.2f ms %6.2f M nodes/s  %s %8.2f ms  ratio %6.1fx\n' \
    "$band" "$nodes" "$now" "$(echo "$nodes / $now / 1000" | bc -l)" "$BASELINE" "$before" \
    "$(echo "$before / $now" | bc -l)"
done
