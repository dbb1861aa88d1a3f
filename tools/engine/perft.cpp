// The leaf count of the tree of legal moves, walked in place on the shared position.
#include "tools/engine/perft.h"

#include <cinttypes>

#include "engine/rules.h"
#include "engine/squares.h"
#include "tools/engine/moves.h"

namespace {

#define PROMOTION_KINDS 5  // a pawn reaching its last rank is five moves: rook to king

// The legal moves of side_to_move, counted without being listed or played.
uint64_t count_legal_moves() {
    int side = side_to_move;
    SquareSet targets[16];
    list_targets(side, targets);
    SquareSet last_rank = (SquareSet)0xFF << (8 * last_rank_of(side));
    uint64_t count = 0;
    for (int index = 0; index < 16; index++) {
        count += (uint64_t)square_total(targets[index]);
        if (PieceTable[side * 16 + index].kind == Pawn) {
            count += (PROMOTION_KINDS - 1) * (uint64_t)square_total(targets[index] & last_rank);
        }
    }
    return count;
}

// Counts leaves below the position, whose square sets are in step with it.
uint64_t count_leaves(int depth) {
    if (depth == 0) return 1;
    if (depth == 1) return count_legal_moves();
    ToolMove moves[MAX_LEGAL_MOVES];
    int count = list_legal_moves(moves);
    uint64_t leaves = 0;
    for (int index = 0; index < count; index++) {
        PlayedMove played = play_in_place(moves[index]);
        leaves += count_leaves(depth - 1);
        take_back_in_place(played);
    }
    return leaves;
}

}  // namespace

// Counts leaves depth plies down; the last ply is counted without being played.
uint64_t perft(int depth) {
    sync_side_squares();
    return count_leaves(depth);
}

// "MOVE COUNT" for each root move in text order, then the total.
void print_divide(int depth, FILE *out) {
    ToolMove moves[MAX_LEGAL_MOVES];
    int count = list_legal_moves(moves);
    sort_moves_by_text(moves, count);
    uint64_t total = 0;
    for (int index = 0; index < count; index++) {
        char text[MOVE_TEXT_SIZE];
        format_move(moves[index], text);
        PlayedMove played = play_in_place(moves[index]);
        uint64_t leaves = perft(depth - 1);
        take_back_in_place(played);
        total += leaves;
        fprintf(out, "%s %" PRIu64 "\n", text, leaves);
    }
    fprintf(out, "total %" PRIu64 "\n", total);
}
