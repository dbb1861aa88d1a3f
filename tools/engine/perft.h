// Counting the tree of legal moves, to check the move rules against other programs.
#ifndef VORLEN_TOOLS_ENGINE_PERFT_H
#define VORLEN_TOOLS_ENGINE_PERFT_H

#include <cstdint>
#include <cstdio>

// The leaves at `depth` below the shared position (1 at depth 0); the position is unchanged.
uint64_t perft(int depth);
// Writes "MOVE COUNT" for each legal move in text order (count: perft depth - 1 after it), then
// "total N"; depth is at least 1.
void print_divide(int depth, FILE *out);

#endif
