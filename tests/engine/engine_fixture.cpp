// Shared helpers of the engine tests.
#include "tests/engine/engine_fixture.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <process.h>
#include <sys/stat.h>
#endif

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

namespace {

// A new file deleted when closed. The Windows C runtime's tmpfile names its file after the
// process id at the root of the current drive, the host's root under Wine, where the processes
// of every Wine prefix meet with ids that repeat from prefix to prefix: two test runs at once
// could write into one file or be refused it. There the file is made in the process's own
// temporary folder instead, under a name that no file has yet.
FILE *new_scratch_file() {
#ifdef _WIN32
    static int made = 0;  // files this process has asked for, for fresh names
    const int ATTEMPTS = 1000;
    std::filesystem::path folder = std::filesystem::temp_directory_path();
    for (int i = 0; i < ATTEMPTS; ++i) {
        std::string name = "vorlen-scratch-" + std::to_string(_getpid()) + "-" + std::to_string(made++);
        int fd = _open((folder / name).string().c_str(), _O_CREAT | _O_EXCL | _O_RDWR | _O_BINARY | _O_TEMPORARY,
                       _S_IREAD | _S_IWRITE);
        if (fd != -1) return _fdopen(fd, "w+b");
    }
    return nullptr;
#else
    return tmpfile();
#endif
}

}  // namespace

FILE *scratch_file() {
    FILE *file = new_scratch_file();
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
