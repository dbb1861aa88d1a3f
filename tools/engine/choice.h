// The computer's choice as the engine tool reports it, for bestmove and for the UCI loop.
#ifndef VORLEN_TOOLS_ENGINE_CHOICE_H
#define VORLEN_TOOLS_ENGINE_CHOICE_H

#include <cstdint>

#include "engine/search.h"
#include "tools/engine/moves.h"

#define MAX_SEED 4294967295u  // srand takes an unsigned 32-bit seed

// One choice: the move's text (empty when there is none), the root search's score, the nodes
// both searches counted and where the move came from.
struct ToolChoice {
    char move[MOVE_TEXT_SIZE];
    int32_t score;
    int64_t nodes;
    MoveSource source;
};

// Chooses for side_to_move as a game at `level` would, the generator seeded with `seed`; a
// `depth` from 1 searches that many plies instead of the level's depth (-1: the level's).
ToolChoice choose_for_tool(int level_value, unsigned seed, int depth);

#endif
