// The computer's choice for the engine tool: the level's depth, the seed, and the move as text.
#include "tools/engine/choice.h"

#include <cstdlib>

// Sets the level and its depth as a new game would (or the depth asked for), seeds the
// generator and chooses.
ToolChoice choose_for_tool(int level_value, unsigned seed, int depth) {
    level = (int8_t)level_value;
    search_depth = depth >= 1 ? depth : depth_for_level(level_value);
    srand(seed);
    int64_t nodes_before = nodes_counted;
    ToolChoice choice{"", 0, 0, SOURCE_NONE};
    choice.source = choose_computer_move(&choice.score);
    choice.nodes = nodes_counted - nodes_before;
    if (best_from_file >= 0) {
        ToolMove move{(int8_t)best_from_file, (int8_t)best_from_rank, (int8_t)best_to_file,
                      (int8_t)best_to_rank, (int8_t)best_promotion};
        format_move(move, choice.move);
    }
    return choice;
}
