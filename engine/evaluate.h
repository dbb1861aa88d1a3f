// The static score of a position: material that has left the board, counted the losing way.
#ifndef VORLEN_ENGINE_EVALUATE_H
#define VORLEN_ENGINE_EVALUATE_H

#include <cstdint>

#define MATE_SCORE 9000

// Counts the lost material afresh from the PieceTable and scores it for view_colour.
int32_t evaluate_position(int32_t view_colour);

// The lost material the searches keep up to date: recounted when a search starts, then changed
// by try_move and take_back (sign 1 for a piece captured, -1 for one put back). The game never
// reads it.
void recount_lost_material();
void count_lost_piece(int id, int32_t sign);
// evaluate_position's score from the material kept, without looking at the pieces.
int32_t score_lost_material(int32_t view_colour);

#endif
