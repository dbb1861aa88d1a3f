// The static score: only material that has left the board counts, the losing way round, and a
// side that has lost every piece has won. The searches keep the lost material as moves are
// tried and taken back, so a node's score costs a few additions.
#include "engine/evaluate.h"

#include "engine/position.h"
#include "engine/level.h"

namespace {

#define VALUE_TABLE_COUNT 2

// Piece values by kind (Pawn..King): the first table for levels 0..9, the second for 10..14.
const int32_t PIECE_VALUES[VALUE_TABLE_COUNT][6] = {{10, 30, 30, 30, 40, 20},
                                                    {30, 30, 30, 30, 40, 0}};
const int HIGH_VALUES_LEVEL = 10;  // the first level that uses the second table

int32_t lost_pieces[2];                      // captured ids of each half of the table
int32_t lost_value[VALUE_TABLE_COUNT][2];    // by table and colour: the value of the lost pieces

}  // namespace

// Zeroes the lost material and counts every captured piece again.
void recount_lost_material() {
    for (int colour = White; colour <= Black; colour++) {
        lost_pieces[colour] = 0;
        for (int table = 0; table < VALUE_TABLE_COUNT; table++) lost_value[table][colour] = 0;
    }
    for (int id = 0; id < PIECE_COUNT; id++) {
        if (PieceTable[id].file == CAPTURED) count_lost_piece(id, 1);
    }
}

// Adds (sign 1) or removes (sign -1) one captured piece of its kind and colour.
void count_lost_piece(int id, int32_t sign) {
    const PieceRecord &piece = PieceTable[id];
    lost_pieces[id < 16 ? White : Black] += sign;
    if (piece.kind < Pawn || piece.kind > King) return;
    for (int table = 0; table < VALUE_TABLE_COUNT; table++) {
        lost_value[table][piece.colour == White ? White : Black] +=
            sign * PIECE_VALUES[table][piece.kind];
    }
}

// Lost pieces count for their owner and against the other side; losing all 16 scores as a win.
int32_t score_lost_material(int32_t view_colour) {
    const int32_t *values = lost_value[level < HIGH_VALUES_LEVEL ? 0 : 1];
    int32_t score = (view_colour == White ? values[White] : -values[White]) +
                    (view_colour == Black ? values[Black] : -values[Black]);
    if (lost_pieces[White] == 16) score = view_colour == White ? MATE_SCORE : -MATE_SCORE;
    if (lost_pieces[Black] == 16) score = view_colour == Black ? MATE_SCORE : -MATE_SCORE;
    return score;
}

// The score of the position as the PieceTable has it now.
int32_t evaluate_position(int32_t view_colour) {
    recount_lost_material();
    return score_lost_material(view_colour);
}
