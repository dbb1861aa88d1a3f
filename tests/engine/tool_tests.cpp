// The engine tool from its command line: exact output formats, perft against the published
// figures, FEN ids, committed moves, and refusal of bad input without output or crash.
#include <gtest/gtest.h>

#include "engine/search.h"
#include "tests/engine/engine_fixture.h"
#include "tools/engine/commands.h"

namespace {

// Expects the refusal of bad input: exit 2, nothing on stdout, one line on stderr.
void expect_refused(std::vector<const char *> args) {
    ToolRun run = run_tool(args);
    std::string shown;
    for (const char *arg : args) shown += std::string(arg) + " ";
    EXPECT_EQ(run.status, 2) << shown;  // the status scripts rely on
    EXPECT_EQ(run.out, "") << shown;
    ASSERT_FALSE(run.err.empty()) << shown;
    EXPECT_EQ(run.err.find('\n'), run.err.size() - 1) << shown << run.err;
    for (size_t at = 0; at + 1 < run.err.size(); at++) {
        EXPECT_TRUE(run.err[at] >= ' ' && run.err[at] < 127) << shown << run.err;
    }
}

}  // namespace

// Each command's exact output; the golden table holds their results in depth, this their form.
TEST(Tool, CommandsPrintTheirResultsExactly) {
    const struct {
        std::vector<const char *> args;
        const char *out;
    } cases[] = {
        {{"perft", "0"}, "1\n"},
        {{"perft", "3"}, "8067\n"},
        {{"perft", "1", "--moves", "  e2e4   d7d5 e4d5 "}, "1\n"},  // Black must take back on d5 with the queen
        {{"divide", "1", "--moves", "e2e4 d7d5"}, "e4d5 1\ntotal 1\n"},
        {{"moves", "--fen", "8/1P5k/8/8/8/8/8/8 w - - 0 1"}, "b7b8b\nb7b8k\nb7b8n\nb7b8q\nb7b8r\n"},
        {{"moves", "--fen", "8/8/8/p7/P7/8/8/8 w - - 0 1"}, ""},
        {{"moves", "--fen", "8/1P5k/8/8/8/8/8/8 w - - 0 1", "--moves", "b7b8k"}, "h7g6\nh7g7\nh7g8\nh7h6\nh7h8\n"},
        {{"bestmove"}, "bestmove c2c3 score 0 nodes 52 source search\n"},
        // The top node, the complete line's node, and h7's node that returns at once.
        {{"bestmove", "--level", "5", "--fen", "7k/R7/8/8/8/8/8/K7 b - - 0 30"},
         "bestmove h8g7 score 0 nodes 3 source giveaway\n"},
        {{"bestmove", "--fen", "8/8/8/p7/P7/8/8/8 w - - 0 9"}, "bestmove none score -9999 nodes 1 source search\n"},
    };
    for (const auto &c : cases) {
        ToolRun run = run_tool(c.args);
        EXPECT_EQ(run.status, 0) << c.args[0];
        EXPECT_EQ(run.out, c.out) << c.args[0] << " " << run.err;
    }
    // Moves are committed in order: Black's reply after e2e4 d7d5 e4d5 is its second move.
    run_tool({"perft", "1", "--moves", "e2e4 d7d5 e4d5"});
    EXPECT_TRUE(move_counts[White] == 2 && move_counts[Black] == 1 && side_to_move == Black);
    // Pieces missing from a FEN count as lost: 20 for White before the queen's 40.
    EXPECT_EQ(run_tool({"bestmove", "--seed", "3", "--fen", "7k/1P6/2n5/8/8/8/8/7K w - - 0 20"}).out.substr(0, 25),
              "bestmove b7b8q score 60 n");
}

TEST(Tool, FenGivesIdsAsAGameWould) {
    // Squares are visited file by file: the rook on h1 finds its ids taken and takes the first
    // free pawn id after the pawn on g2; the lone knight takes 10.
    set_fen("4k3/8/8/8/8/8/6PP/RR2K1NR b - - 3 12");
    const int ids[][2] = {{board_index(0, 0), 8},  {board_index(1, 0), 9}, {board_index(4, 0), 15},
                          {board_index(6, 0), 10}, {board_index(6, 1), 0}, {board_index(7, 0), 1},
                          {board_index(7, 1), 2},  {board_index(4, 7), 31}};
    for (const auto &square_id : ids) EXPECT_EQ(BoardMap[square_id[0]], square_id[1]) << square_id[0];
    // Ids without a piece are captured pieces of their starting kind.
    EXPECT_TRUE(PieceTable[30].file == CAPTURED && PieceTable[30].kind == Queen);
    EXPECT_TRUE(move_counts[White] == 12 && move_counts[Black] == 11 && side_to_move == Black);
    // Sixteen pieces of one kind fill the pawn ids and then every free id.
    // Without a fullmove number White counts one move, since its pieces have left the start.
    set_fen("QQQQQQQQ/QQQQQQQQ/8/8/8/8/8/k7 w - -");
    EXPECT_TRUE(move_counts[White] == 1 && move_counts[Black] == 1);
    for (int id = 0; id < 16; id++) EXPECT_EQ(PieceTable[id].kind, Queen);
}

// A position set up at move 1 is the side's first move, which must be a pawn move only when the
// side has one: a side without one still has every other move.
TEST(Tool, BestmoveFindsAMoveWhereverThereIsOne) {
    const char *fens[] = {"4k3/8/8/8/8/8/8/4K3 b", "4k3/8/8/8/8/p7/P7/4K3 w - - 0 1",
                          "rn2k2r/8/8/8/8/8/8/R3K1NR b - - 0 1", "4k3/8/8/8/8/8/P7/4K3 w - - 0 1"};
    for (const char *fen : fens) {
        std::string moves = run_tool({"moves", "--fen", fen}).out;
        for (const char *level_text : {"0", "4", "5", "14"}) {
            std::string choice = run_tool({"bestmove", "--level", level_text, "--fen", fen}).out;
            std::string move = choice.substr(9, choice.find(' ', 9) - 9);
            EXPECT_NE(moves.find(move + "\n"), std::string::npos) << fen << " level " << level_text << ": " << choice;
        }
    }
    // With a pawn move at hand, the first move is still a pawn move.
    EXPECT_EQ(run_tool({"bestmove", "--fen", "4k3/8/8/8/8/8/P7/4K3 w - - 0 1"}).out.substr(0, 11), "bestmove a2");
}

TEST(Tool, BadInputIsRefusedWithOneLineAndNoOutput) {
    const std::vector<std::vector<const char *>> bad_commands = {
        {}, {"think"}, {"perft"}, {"perft", "x"}, {"perft", "-1"}, {"perft", "99"}, {"divide", "0"},
        {"perft", "1", "--level", "3"}, {"perft", "1", "extra"}, {"moves", "--fen"}, {"bestmove", "--level", "15"},
        {"bestmove", "--seed", "4294967296"}, {"bestmove", "--depth", "3"}, {"bench", "--fen", "8/8/8/8/8/8/8/8 w"},
        {"uci"}};  // only the program's main reads its input
    for (const auto &args : bad_commands) expect_refused(args);
}

TEST(Tool, HelpListsEveryCommandOnTheOutput) {
    ToolRun run = run_tool({"--help"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "");
    for (const char *command : {"\n  perft ", "\n  divide ", "\n  moves ", "\n  bestmove ", "\n  bench ", " uci "}) {
        EXPECT_NE(run.out.find(command), std::string::npos) << command;
    }
    EXPECT_EQ(run_tool({"-h"}).out, run.out);
    expect_refused({"--help", "perft"});
}

TEST(Tool, BadPositionsAndMovesAreRefused) {
    const std::string start = "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR", board = start + " w - - 0 1";
    const std::string bad_fens[] = {"", "   ", start, "rnbqkbnr/pppppppp/8/8/8/8/8/PPPPPPPP/RNBQKBNR w - - 0 1",
        "rnbqkbnr/pppppppp/8/8/8/PPPPPPPP/RNBQKBNR w - - 0 1", "rnbqkbnr/ppppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w - - 0 1",
        "rnbqkbnr/pppppppp/9/8/8/8/PPPPPPPP/RNBQKBNR w - - 0 1",
        "rnbqkbnr/pppxpppp/8/8/8/8/PPPPPPPP/RNBQKBNR w - - 0 1", "rnbqkbnr//8/8/8/8/PPPPPPPP/RNBQKBNR w - - 0 1",
        start + " x - - 0 1", start + " w KQxq - 0 1", start + " w - e5 0 1", start + " w - - -1 1",
        start + " w - - 0 99999999999", board + " extra", "rnbqkbnr/pppppppp/8/8/8/Q7/PPPPPPPP/RNBQKBNR w - - 0 1",
        std::string(300, 'p')};
    for (const std::string &fen : bad_fens) expect_refused({"perft", "1", "--fen", fen.c_str()});
    const char *bad_moves[] = {"e2e5", "e2", "e2e4x", "e2e4q", "i2i4", "e7e5", "e0e1", "e2e4 d7d5 d2d3",
                               "aaaaaaaaaaaaaaaaaaaaaaaaaaaaaa"};
    for (const char *moves : bad_moves) expect_refused({"moves", "--moves", moves});
    // Control bytes and bytes above ASCII in any field or move are shown escaped.
    const std::string hostile[] = {"e2e4\ne7e5", "e2\x1b[2Je4", "\xe9\xe9\xe9\xe9", std::string("e2\0e4", 5)};
    for (const std::string &moves : hostile) expect_refused({"moves", "--moves", moves.c_str()});
    const std::string hostile_fens[] = {start + " w\r - - 0 1", start + " w K\nQ - 0 1", start + " w - e\x7f 0 1",
        start + " w - - 1\x08 1", start + " w - - 0 \x01", start + "\xff w - - 0 1"};
    for (const std::string &fen : hostile_fens) expect_refused({"perft", "1", "--fen", fen.c_str()});
    expect_refused({"bestmove", "--level\n", "1"});
    ToolRun run = run_tool({"moves", "--moves", "e2e4\ne7e5"});
    EXPECT_EQ(run.err, "vorlen-engine: malformed move 'e2e4\\x0Ae7e5'\n");
    // A promotion needs its letter, and only a promotion may carry one.
    expect_refused({"moves", "--fen", "8/1P5k/8/8/8/8/8/8 w - - 0 1", "--moves", "b7b8"});
    expect_refused({"moves", "--fen", "8/1P5k/8/8/8/8/8/8 w - - 0 1", "--moves", "h7h6q"});
}

// The computer's first move is a pawn move only where its side has truly not moved: a FEN's
// fullmove number counts, but a side whose pieces have left the start has moved, whatever the
// number says.
TEST(Tool, TheFirstMoveRuleFollowsTheMovesTrulyMade) {
    const char *middlegame = "r2qk1nr/pp1b1ppp/2n5/2P5/8/4P3/PP4PP/RNB1KBNR w - - 0 1";
    const char *numbered = "r2qk1nr/pp1b1ppp/2n5/2P5/8/4P3/PP4PP/RNB1KBNR w - - 0 8";
    std::string from_one = run_tool({"bestmove", "--level", "4", "--seed", "5", "--fen", middlegame}).out;
    EXPECT_EQ(from_one, run_tool({"bestmove", "--level", "4", "--seed", "5", "--fen", numbered}).out);
    EXPECT_EQ(from_one.compare(0, 14, "bestmove f1a6 "), 0) << from_one;
    // The start, as a FEN or reached by moves where Black has not moved: pawn moves only, the
    // same choice either way, at every level.
    const char *levels[3] = {"0", "4", "9"};
    for (const char *level_text : levels) {
        std::string start = run_tool({"bestmove", "--level", level_text, "--fen",
                                      "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w - - 0 1"}).out;
        EXPECT_EQ(start, run_tool({"bestmove", "--level", level_text}).out);
        std::string black = run_tool({"bestmove", "--level", level_text, "--fen",
                                      "rnbqkbnr/pppppppp/8/8/4P3/8/PPPP1PPP/RNBQKBNR b - - 0 1"}).out;
        EXPECT_EQ(black, run_tool({"bestmove", "--level", level_text, "--moves", "e2e4"}).out);
        EXPECT_EQ(black[10], '7') << black;  // a pawn of rank 7 moves
    }
}
