#!/usr/bin/env bash
# Plays the engine against itself through nothing but UCI, as a chess program would drive it.
#   tools/uci-selfplay.sh ENGINE [WHITE_LEVEL] [BLACK_LEVEL] [SEED] [MAX_PLIES]
# ENGINE is the vorlen-engine program (run as "ENGINE uci"). Prints the moves and the result:
# the side that has no move when it is to move wins; a game longer than MAX_PLIES is left
# unfinished. Fails when the engine refuses a command or stops answering.
set -euo pipefail

engine=${1:?usage: tools/uci-selfplay.sh ENGINE [WHITE_LEVEL] [BLACK_LEVEL] [SEED] [MAX_PLIES]}
levels=("${2:-3}" "${3:-6}")
seed=${4:-1}
max_plies=${5:-400}
answer_seconds=60  # the longest a level-14 choice may take before the engine counts as hung

coproc ENGINE { exec "$engine" uci; }
engine_pid=$ENGINE_PID  # bash forgets the coprocess once it has ended

# Sends one command line to the engine.
send() { printf '%s\n' "$1" >&"${ENGINE[1]}"; }

# Reads the engine's lines until one starts with $1; that line is left in $reply.
await() {
  while IFS= read -r -t "$answer_seconds" reply <&"${ENGINE[0]}"; do
    [[ $reply == "$1"* ]] && return 0
    [[ $reply == "info string error"* ]] && { echo "engine refused: $reply" >&2; return 1; }
  done
  echo "no '$1' from the engine" >&2
  return 1
}

send uci; await uciok
send "setoption name UCI_Variant value antichess-noep"
send "setoption name Seed value $seed"
send ucinewgame
send isready; await readyok

moves=()
result=""
for ((ply = 0; ply < max_plies; ply++)); do
  side=$((ply % 2))
  send "setoption name Level value ${levels[side]}"
  send "position startpos moves ${moves[*]}"
  send go; await bestmove
  move=${reply#bestmove }
  if [[ $move == 0000 ]]; then
    result=$([[ $side == 0 ]] && echo "1-0 (White has no move)" || echo "0-1 (Black has no move)")
    break
  fi
  moves+=("$move")
done
send quit
wait "$engine_pid" 2>/dev/null || true

echo "moves: ${moves[*]}"
echo "result: ${result:-unfinished} after ${#moves[@]} plies"
