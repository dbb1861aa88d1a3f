// Shared helpers of the engine tests.
#include "tests/engine/engine_fixture.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "tools/engine/commands.h"
#include "tools/engine/fen.h"
#include "tools/engine/moves.h"

// Copies the pieces, squares, side to move and move counters.
PositionSnapshot take_snapshot() {
    PositionSnapshot snapshot;
    memcpy(snapshot.pieces, PieceTable, sizeof PieceTable);
    memcpy(snapshot.squares, BoardMap, sizeof BoardMap);
    snapshot.side = side_to_move;
    memcpy(snapshot.counts, move_counts, sizeof move_counts);
    return snapshot;
}

// 1 when two snapshots agree bit for bit.
bool same_position(const PositionSnapshot &left, const PositionSnapshot &right) {
    return memcmp(left.pieces, right.pieces, sizeof left.pieces) == 0 &&
           memcmp(left.squares, right.squares, sizeof left.squares) == 0 &&
           left.side == right.side && memcmp(left.counts, right.counts, sizeof left.counts) == 0;
}

// Loads a FEN the test relies on; a refusal fails the test.
void set_fen(const char *fen) {
    char error[160] = "";
    ASSERT_EQ(load_fen(fen, error, sizeof error), 1) << fen << ": " << error;
}

// Seeded random play from the start, each move committed as the game would.
void play_random_game(unsigned seed, int plies) {
    setup_start_position();
    srand(seed);
    for (int ply = 0; ply < plies; ply++) {
        ToolMove moves[MAX_LEGAL_MOVES];
        int count = list_legal_moves(moves);
        if (count == 0) return;
        commit_move(moves[rand() % count]);
    }
}

// Sets the level and depth as a new game would, seeds the generator and chooses.
MoveSource choose_at(int level_value, unsigned seed, int32_t *score) {
    level = (int8_t)level_value;
    search_depth = depth_for_level(level_value);
    srand(seed);
    return choose_computer_move(score);
}

// An empty board: the start position with every piece taken off.
void clear_board() {
    setup_start_position();
    for (int id = 0; id < PIECE_COUNT; id++) PieceTable[id].file = CAPTURED;
    for (int square = 0; square < SQUARE_COUNT; square++) BoardMap[square] = EMPTY_SQUARE;
}

// Reads the file from its start to its end.
std::string read_back(FILE *file) {
    std::string text;
    rewind(file);
    for (int c = fgetc(file); c != EOF; c = fgetc(file)) text += (char)c;
    fclose(file);
    return text;
}

FILE *scratch_file() {
    const int ATTEMPTS = 100;
    FILE *file = tmpfile();
    for (int i = 1; !file && i < ATTEMPTS; ++i) file = tmpfile();
    if (!file) std::abort();  // nothing to write the streams to: fail loudly, not through null
    return file;
}

// Runs the tool in this process, as its main would, with both streams in temporary files.
ToolRun run_tool(std::vector<const char *> args) {
    args.insert(args.begin(), "vorlen-engine");
    FILE *out = scratch_file();
    FILE *err = scratch_file();
    int status = run_engine_tool((int)args.size(), args.data(), out, err);
    return ToolRun{status, read_back(out), read_back(err)};
}
