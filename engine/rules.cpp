// How the pieces move in losing chess. There is no check, no castling and no en passant, and
// compulsory capture is the callers' business: this only answers whether a piece may go there.
#include "engine/rules.h"

#include "engine/position.h"

namespace {

// -1, 0 or +1 by the sign of value: the step of a slide along one axis.
int32_t sign_of(int32_t value) { return (value > 0) - (value < 0); }

int32_t abs_of(int32_t value) { return value < 0 ? -value : value; }

int on_board(int32_t file, int32_t rank) { return file >= 0 && file < 8 && rank >= 0 && rank < 8; }

// The piece on a square, or EMPTY_SQUARE; the square must be on the board.
int piece_at(int32_t file, int32_t rank) { return BoardMap[board_index(file, rank)]; }

// 1 when the square is on the board and holds a piece not of the given colour.
int holds_enemy(int32_t file, int32_t rank, int32_t colour) {
    if (!on_board(file, rank)) return 0;
    int id = piece_at(file, rank);
    return id != EMPTY_SQUARE && PieceTable[id].colour != colour;
}

// Slides from the from square by the step until the target, an obstacle or the edge: 1 when
// the target is reached empty or holding an enemy piece.
int32_t slide_reaches(int32_t from_file, int32_t from_rank, int32_t to_file, int32_t to_rank,
                      int32_t step_file, int32_t step_rank, int32_t colour) {
    int32_t file = from_file + step_file;
    int32_t rank = from_rank + step_rank;
    while (on_board(file, rank)) {
        int id = piece_at(file, rank);
        int is_target = file == to_file && rank == to_rank;
        if (id != EMPTY_SQUARE) return is_target && PieceTable[id].colour != colour;
        if (is_target) return 1;
        file += step_file;
        rank += step_rank;
    }
    return 0;
}

// The pawn's four ways of moving: the two diagonal captures, the single and the double step.
int32_t pawn_may_move(int32_t from_file, int32_t from_rank, int32_t to_file, int32_t to_rank,
                      int32_t colour) {
    int32_t direction = colour == White ? 1 : -1;
    int32_t ahead = from_rank + direction;
    if (from_file > 0 && holds_enemy(from_file - 1, ahead, colour) && to_file == from_file - 1 &&
        to_rank == ahead) {
        return 1;
    }
    if (from_file < 7 && holds_enemy(from_file + 1, ahead, colour) && to_file == from_file + 1 &&
        to_rank == ahead) {
        return 1;
    }
    if (ahead >= 0 && ahead < 8 && piece_at(from_file, ahead) == EMPTY_SQUARE &&
        to_file == from_file && to_rank == ahead) {
        return 1;
    }
    int32_t start_rank = colour == White ? 1 : 6;
    return to_file == from_file && to_rank == from_rank + 2 * direction &&
           from_rank == start_rank && piece_at(to_file, to_rank) == EMPTY_SQUARE &&
           piece_at(from_file, ahead) == EMPTY_SQUARE;
}

}  // namespace

// The single statement of how the pieces move, for the piece of `colour` on the from square.
int32_t is_legal_move(int32_t from_file, int32_t from_rank, int32_t to_file, int32_t to_rank,
                      int32_t colour) {
    if (!on_board(from_file, from_rank) || !on_board(to_file, to_rank)) return 0;
    if (from_file == to_file && from_rank == to_rank) return 0;
    int mover = piece_at(from_file, from_rank);
    if (mover == EMPTY_SQUARE || PieceTable[mover].colour != colour) return 0;
    int target = piece_at(to_file, to_rank);
    if (target != EMPTY_SQUARE && PieceTable[target].colour == colour) return 0;
    int32_t delta_file = to_file - from_file;
    int32_t delta_rank = to_rank - from_rank;
    int32_t step_file = sign_of(delta_file);
    int32_t step_rank = sign_of(delta_rank);
    switch (PieceTable[mover].kind) {
    case King:
        return abs_of(delta_file) <= 1 && abs_of(delta_rank) <= 1;
    case Queen:
        if (delta_file != 0 && delta_rank != 0 && abs_of(delta_file) != abs_of(delta_rank))
            return 0;
        return slide_reaches(from_file, from_rank, to_file, to_rank, step_file, step_rank, colour);
    case Bishop:
        if (abs_of(delta_file) != abs_of(delta_rank)) return 0;
        return slide_reaches(from_file, from_rank, to_file, to_rank, step_file, step_rank, colour);
    case Knight:
        return abs_of(delta_file) * abs_of(delta_rank) == 2;
    case Rook:
        if (delta_file != 0 && delta_rank != 0) return 0;
        return slide_reaches(from_file, from_rank, to_file, to_rank, step_file, step_rank, colour);
    case Pawn:
        return pawn_may_move(from_file, from_rank, to_file, to_rank, colour);
    default:
        return 0;
    }
}

// The rank on which a pawn of `colour` promotes.
int32_t last_rank_of(int32_t colour) { return colour == White ? 7 : 0; }
