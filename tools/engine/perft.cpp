// The leaf count of the tree of legal moves, walked in place on the shared position.
#include "tools/engine/perft.h"

#include "tools/engine/moves.h"

// Counts leaves depth plies down; the last ply is counted without being played.
uint64_t perft(int depth) {
    if (depth == 0) return 1;
    ToolMove moves[MAX_LEGAL_MOVES];
    int count = list_legal_moves(moves);
    if (depth == 1) return (uint64_t)count;
    uint64_t leaves = 0;
    for (int index = 0; index < count; index++) {
        PlayedMove played = play_in_place(moves[index]);
        leaves += perft(depth - 1);
        take_back_in_place(played);
    }
    return leaves;
}
