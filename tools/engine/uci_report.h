// What the UCI loop says about one choice before its bestmove: the depth, a score a chess
// program can show (a mate as a mate), the nodes, the time and the line.
#ifndef VORLEN_TOOLS_ENGINE_UCI_REPORT_H
#define VORLEN_TOOLS_ENGINE_UCI_REPORT_H

#include <cstdint>
#include <cstdio>

#include "tools/engine/choice.h"

// The choice was just made by choose_for_tool (level, seed, depth) on the shared position in
// `micros` microseconds; prints its "info ..." lines. The position is left as it was.
void print_choice_info(const ToolChoice &choice, int level_value, unsigned seed, int depth,
                       int64_t micros, FILE *out);

#endif
