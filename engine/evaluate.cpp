// The static score: only material that has left the board counts, the losing way round, and a
// side that has lost every piece has won.
#include "engine/evaluate.h"

#include "engine/position.h"
#include "engine/search.h"

namespace {

// Piece values by kind (Pawn..King): the first column for levels 0..9, the second for 10..14.
const int32_t LOW_LEVEL_VALUES[6] = {10, 30, 30, 30, 40, 20};
const int32_t HIGH_LEVEL_VALUES[6] = {30, 30, 30, 30, 40, 0};
const int HIGH_VALUES_LEVEL = 10;  // the first level that uses the second column

}  // namespace

// Lost pieces count for their owner and against the other side; losing all 16 scores as a win.
int32_t evaluate_position(int32_t view_colour) {
    const int32_t *values = level < HIGH_VALUES_LEVEL ? LOW_LEVEL_VALUES : HIGH_LEVEL_VALUES;
    int32_t score = 0;
    int32_t lost[2] = {0, 0};
    for (int id = 0; id < PIECE_COUNT; id++) {
        const PieceRecord &piece = PieceTable[id];
        if (piece.file != CAPTURED) continue;
        lost[id < 16 ? White : Black]++;
        int32_t value = piece.kind >= Pawn && piece.kind <= King ? values[piece.kind] : 0;
        score += piece.colour == view_colour ? value : -value;
    }
    if (lost[White] == 16) score = view_colour == White ? MATE_SCORE : -MATE_SCORE;
    if (lost[Black] == 16) score = view_colour == Black ? MATE_SCORE : -MATE_SCORE;
    return score;
}
