// The playing level, which both the search's depth and the evaluation's piece values follow.
#ifndef VORLEN_ENGINE_LEVEL_H
#define VORLEN_ENGINE_LEVEL_H

#include <cstdint>

#define LEVEL_COUNT 15

extern int8_t level;  // playing level 0..LEVEL_COUNT-1 of the current game

#endif
