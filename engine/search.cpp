// The computer's move choice: a fixed-depth alpha-beta search over the shared position, scored
// from the computer's side, with compulsory capture at every node and the giveaway-line search
// first on the higher levels.
#include "engine/search.h"

#include <cstdlib>

#include "engine/captures.h"
#include "engine/evaluate.h"
#include "engine/giveaway.h"
#include "engine/position.h"
#include "engine/rules.h"
#include "engine/squares.h"

int8_t level;                 // playing level 0..LEVEL_COUNT-1 of the current game
int32_t search_depth = 1;     // plies searched, 1..6, from depth_for_level at a new game
int8_t root_order[16];        // a permutation of 0..15, reshuffled before every search
int32_t best_from_file = -1;  // BestMove: from square, -1 when no move was found
int32_t best_from_rank = -1;
int32_t best_to_file = -1;  // BestMove: target square
int32_t best_to_rank = -1;
int32_t best_promotion = -1;  // PieceKind Rook..King for a promoting pawn, else -1
int32_t node_count;           // 0..NODE_CHARGE_INTERVAL: nodes since the last charge
int64_t nodes_counted;        // all nodes since start-up, 0 upwards
void (*node_charge_hook)();   // the clock charge the game installs, or null

namespace {

// Plies searched by level; levels 5..9 and 10..14 repeat the depths with the giveaway search.
const int32_t DEPTH_BY_LEVEL[LEVEL_COUNT] = {1, 2, 3, 4, 5, 2, 3, 4, 5, 6, 2, 3, 4, 5, 6};
const int GIVEAWAY_LEVEL = 5;  // the first level that looks for a giveaway line
const int ROOT_SHUFFLE_SWAPS = 16;

// Records a root move as the best so far.
void record_best(int from_file, int from_rank, int to_file, int to_rank, int promotion) {
    best_from_file = from_file;
    best_from_rank = from_rank;
    best_to_file = to_file;
    best_to_rank = to_rank;
    best_promotion = promotion;
}

// Puts the pieces of the side to move in a fresh random order for the root.
void shuffle_root_order() {
    for (int index = 0; index < 16; index++) root_order[index] = (int8_t)index;
    for (int swap = 0; swap < ROOT_SHUFFLE_SWAPS; swap++) {
        int first = rand() % 16;
        int second = rand() % 16;
        int8_t held = root_order[first];
        root_order[first] = root_order[second];
        root_order[second] = held;
    }
}

int32_t search_move(int32_t maximising, int32_t side, int32_t ply, int32_t alpha, int32_t beta);

// 1 when one of the side's pawns has a target. A game's first position always gives the side a
// pawn move; a position set up otherwise may not, and then the first move may be any move.
int has_pawn_move(int32_t side, const SquareSet attacks[16], int32_t captures) {
    for (int index = 0; index < 16; index++) {
        int id = side * 16 + index;
        if (attacks[index] && PieceTable[id].kind == Pawn &&
            targets_from(id, attacks[index], captures)) {
            return 1;
        }
    }
    return 0;
}

// A node below the last ply only scores its position and is counted: a move into it is scored
// here without being played, the piece it takes (if any) counted as lost meanwhile. The caller
// plays the move instead when the clock hook is due at that node, since the hook may look at the
// position.
int32_t score_unplayed_move(int to_file, int to_rank) {
    int victim = BoardMap[board_index(to_file, to_rank)];
    if (victim != EMPTY_SQUARE) count_lost_piece(victim, 1);
    int32_t value = score_lost_material(side_to_move);
    if (victim != EMPTY_SQUARE) count_lost_piece(victim, -1);
    count_node();
    return value;
}

// Tries the five kinds a pawn that has just reached its last rank may become, updating the
// calling node's window and best score in place; a cut-off ends only the remaining kinds.
void try_promotions(int32_t maximising, int32_t side, int32_t ply, int32_t &alpha, int32_t &beta,
                    int32_t &best_score, int id, int from_file, int from_rank) {
    for (int kind = Rook; kind <= King; kind++) {
        PieceTable[id].kind = (int8_t)kind;
        int32_t value = search_move(1 - maximising, 1 - side, ply + 1, alpha, beta);
        PieceTable[id].kind = Pawn;
        if (maximising == 0) {
            if (ply == 0 && value > best_score) {
                best_score = value;
                record_best(from_file, from_rank, PieceTable[id].file, PieceTable[id].rank, kind);
            }
            if (value > alpha) alpha = value;
            if (alpha >= beta) return;
        } else {
            if (value < beta) beta = value;
            if (beta <= alpha) return;
        }
    }
}

// One node of the alpha-beta search for `side`; maximising is 0 where the computer moves.
// Scores are from side_to_move's view; the root (ply 0) records the best move it finds. Pieces
// go in table order (the root's shuffled order at ply 0), each piece's targets by rank, then file.
int32_t search_move(int32_t maximising, int32_t side, int32_t ply, int32_t alpha, int32_t beta) {
    int moved_any = 0;
    int32_t score = score_lost_material(side_to_move);
    count_node();
    if (ply >= search_depth) return score;
    if (ply == 0) score = -INFINITE_SCORE;
    SquareSet attacks[16];
    int32_t captures = side_attacks(side, attacks);
    // The computer's first move of a game is a pawn move, when it has one.
    int pawns_only =
        ply == 0 && move_counts[side_to_move] == 0 && has_pawn_move(side, attacks, captures);
    for (int index = 0; index < 16; index++) {
        int piece = ply == 0 ? root_order[index] : index;
        int id = side * 16 + piece;
        if (pawns_only && PieceTable[id].kind != Pawn) continue;
        int from_file = PieceTable[id].file;
        int from_rank = PieceTable[id].rank;
        // Targets are worked out only for the pieces the search reaches before a cut-off; a
        // piece off the board attacks nothing.
        SquareSet targets = attacks[piece] ? targets_from(id, attacks[piece], captures) : 0;
        for (SquareSet left = targets; left; left &= left - 1) {
            int file = code_file(lowest_square(left));
            int rank = code_rank(lowest_square(left));
            moved_any = 1;
            if (PieceTable[id].kind == Pawn && rank == last_rank_of(side)) {
                TriedMove tried = try_move(id, file, rank);
                try_promotions(maximising, side, ply, alpha, beta, score, id, from_file,
                               from_rank);
                take_back(tried);
                continue;
            }
            int32_t value = 0;
            if (captures == 1 && ply == 0) {
                value = score + 1;  // the root's only legal move, a forced capture
            } else if (ply + 1 >= search_depth && node_count < NODE_CHARGE_INTERVAL) {
                value = score_unplayed_move(file, rank);
            } else {
                TriedMove tried = try_move(id, file, rank);
                value = search_move(1 - maximising, 1 - side, ply + 1, alpha, beta);
                take_back(tried);
            }
            if (maximising == 0 && ply == 0 && value > score) {
                score = value;
                record_best(from_file, from_rank, file, rank, -1);
            }
            if (maximising == 0) {
                if (value > alpha) alpha = value;
                if (alpha >= beta) return beta;
            } else {
                if (value < beta) beta = value;
                if (beta <= alpha) return alpha;
            }
        }
    }
    if (!moved_any) return score;
    return maximising == 0 ? alpha : beta;
}

}  // namespace

// Plies to search at a level; an unknown level searches one ply.
int32_t depth_for_level(int level_value) {
    if (level_value < 0 || level_value >= LEVEL_COUNT) return 1;
    return DEPTH_BY_LEVEL[level_value];
}

// The square sets and the lost material the searches keep, rebuilt from the shared position.
void sync_search_state() {
    sync_side_squares();
    recount_lost_material();
}

// Counts one node of either search, and charges the clock through the hook at each interval.
void count_node() {
    nodes_counted++;
    node_count++;
    if (node_count > NODE_CHARGE_INTERVAL) {
        node_count = 0;
        if (node_charge_hook) node_charge_hook();
    }
}

// The computer's whole choice for side_to_move: a complete giveaway line on the higher levels,
// otherwise the root search over a freshly shuffled piece order.
MoveSource choose_computer_move(int32_t *score) {
    sync_search_state();
    if (level >= GIVEAWAY_LEVEL && find_complete_giveaway_line()) {
        record_best(code_file(best_line[0]), code_rank(best_line[0]), code_file(best_line[1]),
                    code_rank(best_line[1]), -1);
        if (score) *score = 0;
        return SOURCE_GIVEAWAY;
    }
    shuffle_root_order();
    best_from_file = -1;
    best_promotion = -1;
    int32_t value = search_move(0, side_to_move, 0, -INFINITE_SCORE, INFINITE_SCORE);
    if (score) *score = value;
    return best_from_file == -1 ? SOURCE_NONE : SOURCE_SEARCH;
}
