// The engine's benchmark: perft speed and the computer's move choice at every level.
#ifndef VORLEN_TOOLS_ENGINE_BENCH_H
#define VORLEN_TOOLS_ENGINE_BENCH_H

#include <cstdio>

#define BENCH_POSITION_COUNT 5

// The benchmark's positions as FEN: the start, and positions the computer reached playing
// itself at levels 1 and 2 after 12, 20, 28 and 36 plies.
extern const char *const BENCH_POSITIONS[BENCH_POSITION_COUNT];

// Measures and prints the figures; the shared position is left in no particular state.
void run_bench(FILE *out);

#endif
