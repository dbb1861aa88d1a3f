// The forced giveaway-line search: a line in which every move of the computer leaves the
// opponent exactly one capture, until all the computer's pieces are gone.
#ifndef VORLEN_ENGINE_GIVEAWAY_H
#define VORLEN_ENGINE_GIVEAWAY_H

#include <cstdint>

#define LINE_SIZE 40

extern int32_t giveaway_target;          // length a complete line must reach: 2 x pieces
extern int32_t longest_line;             // longest line found in this search
extern int32_t current_line[LINE_SIZE];  // square codes (square_code) of the line examined
extern int32_t best_line[LINE_SIZE];     // copy of the longest line found

// Sets up and runs the search for side_to_move; 1 when a complete line was found.
int find_complete_giveaway_line();

#endif
