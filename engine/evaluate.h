// The static score of a position: material that has left the board, counted the losing way.
#ifndef VORLEN_ENGINE_EVALUATE_H
#define VORLEN_ENGINE_EVALUATE_H

#include <cstdint>

#define MATE_SCORE 9000

int32_t evaluate_position(int32_t view_colour);

#endif
