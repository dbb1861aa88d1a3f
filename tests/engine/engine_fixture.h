// Helpers the engine tests share: positions from FEN, snapshots of the whole shared position
// and positions reached by seeded play.
#ifndef VORLEN_TESTS_ENGINE_FIXTURE_H
#define VORLEN_TESTS_ENGINE_FIXTURE_H

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "engine/captures.h"
#include "engine/position.h"
#include "engine/search.h"

// Everything a search must leave as it found it.
struct PositionSnapshot {
    PieceRecord pieces[PIECE_COUNT];
    int8_t squares[SQUARE_COUNT];
    int32_t side;
    int32_t counts[2];
};

PositionSnapshot take_snapshot();
bool same_position(const PositionSnapshot &left, const PositionSnapshot &right);
// Sets the shared position from FEN; the test fails at once when it is refused.
void set_fen(const char *fen);
// Plays `plies` seeded random legal moves from the start, stopping early at a game's end.
void play_random_game(unsigned seed, int plies);
// The computer's choice at a level, as a game started at that level would make it with the seed.
MoveSource choose_at(int level_value, unsigned seed = 1, int32_t *score = nullptr);
// What one run of the engine tool printed and returned.
struct ToolRun {
    int status;
    std::string out;
    std::string err;
};

// Everything written to a temporary file, which is then closed.
std::string read_back(FILE *file);
// A temporary file, deleted when closed, private to this process; aborts when none can be made.
FILE *scratch_file();
// Runs the engine tool with the arguments after the program name, capturing both streams.
ToolRun run_tool(std::vector<const char *> args);
// Empties the board: every piece captured, White to move, nothing counted.
void clear_board();

#endif
