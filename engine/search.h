// The computer's move choice: fixed-depth alpha-beta over the shared position, with the
// giveaway-line search first on the higher levels.
#ifndef VORLEN_ENGINE_SEARCH_H
#define VORLEN_ENGINE_SEARCH_H

#include <cstdint>

#include "engine/level.h"

#define INFINITE_SCORE 9999
#define NODE_CHARGE_INTERVAL 8000

extern int32_t search_depth;   // plies searched, from the level at each new game
extern int8_t root_order[16];  // the order the root tries the pieces of the side to move
extern int32_t best_from_file, best_from_rank, best_to_file, best_to_rank;  // BestMove
extern int32_t best_promotion;  // PieceKind a promoting pawn becomes, or -1
extern int32_t node_count;      // nodes since the last charge, shared by both searches
extern int64_t nodes_counted;   // every node of both searches since start-up, never reset

// Called each time node_count passes NODE_CHARGE_INTERVAL; the game installs one that charges
// the running clock and redraws the clocks. Null: nothing is called.
extern void (*node_charge_hook)();

// Where the chosen move came from.
enum MoveSource { SOURCE_NONE = 0, SOURCE_GIVEAWAY = 1, SOURCE_SEARCH = 2 };

int32_t depth_for_level(int level_value);
void count_node();
// Rebuilds what the searches keep beside the shared position; each search starts with it.
void sync_search_state();
// The computer's turn for side_to_move: fills BestMove (best_from_file -1 when there is no
// move) and returns where the move came from; *score, when given, gets the root search's value.
MoveSource choose_computer_move(int32_t *score);

#endif
