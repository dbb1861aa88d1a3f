// The UCI loop driven by piped conversations: the greeting, a whole game played by position and
// go with every choice equal to the tool's bestmove, options, go perft, and bad lines that are
// refused on one line with the previous position kept, or ignored, without a crash or a hang.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "tests/engine/engine_fixture.h"
#include "tools/engine/uci.h"

namespace {

// Everything the loop writes for the conversation.
std::string converse(const std::string &input) {
    FILE *in = scratch_file();
    FILE *out = scratch_file();
    fwrite(input.data(), 1, input.size(), in);
    rewind(in);
    run_uci(in, out);
    fclose(in);
    return read_back(out);
}

// The lines of a text.
std::vector<std::string> lines_of(const std::string &text) {
    std::vector<std::string> lines;
    std::istringstream stream(text);
    for (std::string line; std::getline(stream, line);) lines.push_back(line);
    return lines;
}

// The word after `key` in a line, or "" when there is none.
std::string word_after(const std::string &line, const std::string &key) {
    std::istringstream stream(line);
    for (std::string word; stream >> word;) {
        if (word == key) return stream >> word ? word : "";
    }
    return "";
}

// "MOVE SCORE NODES SOURCE" of the loop's go (from its info and bestmove lines).
std::string go_result(const std::string &output) {
    std::vector<std::string> lines = lines_of(output);
    if (lines.size() < 2 || lines[lines.size() - 2].compare(0, 5, "info ") != 0) return "no answer: " + output;
    const std::string &info = lines[lines.size() - 2];
    return word_after(lines.back(), "bestmove") + " " + word_after(info, "cp") + " " +
           word_after(info, "nodes") + " " + word_after(info, "source");
}

// The same four fields from the tool's bestmove for the moves from the start.
std::string tool_result(const std::string &moves, const char *level_text, const char *seed_text) {
    std::string out = run_tool({"bestmove", "--level", level_text, "--seed", seed_text, "--moves", moves.c_str()}).out;
    std::string move = word_after(out, "bestmove");
    return (move == "none" ? "0000" : move) + " " + word_after(out, "score") + " " +
           word_after(out, "nodes") + " " + word_after(out, "source");
}

}  // namespace

TEST(Uci, GreetsWithItsNameOptionsAndUciok) {
    EXPECT_EQ(converse("uci\nisready\n"),
              "id name vorlen\nid author the vorlen developers\n"
              "option name Level type spin default 1 min 0 max 14\n"
              "option name Seed type spin default 1 min 0 max 4294967295\n"
              "option name UCI_Variant type combo default antichess var antichess\n"
              "uciok\nreadyok\n");
    // Unknown commands, stop and whatever follows quit are ignored.
    EXPECT_EQ(converse("debug on\nxyzzy 1 2\nstop\nregister later\nquit\nisready\n"), "");
}

// A whole game, each side choosing by position startpos moves ... and go, every choice the
// same move, score, nodes and source as the tool's bestmove for the same moves.
TEST(Uci, PlaysAWholeGameChoosingAsBestmoveDoes) {
    const char *levels[2] = {"3", "6"};
    const char *seed = "7";
    std::string moves;
    int plies = 0;
    for (; plies < 300; plies++) {
        const char *level_text = levels[plies % 2];
        std::string output = converse("ucinewgame\nsetoption name Level value " + std::string(level_text) +
                                      "\nsetoption name Seed value " + seed + "\nposition startpos moves " + moves + "\ngo\n");
        std::string result = go_result(output);
        ASSERT_EQ(result, tool_result(moves, level_text, seed)) << "after '" << moves << "'";
        std::string move = result.substr(0, result.find(' '));
        if (move == "0000") break;
        moves += (moves.empty() ? "" : " ") + move;
    }
    EXPECT_GT(plies, 20);
    EXPECT_LT(plies, 300);  // the game ended with a side that has no move
}

TEST(Uci, OptionsByAnyCaseAndBadValuesKeepThePreviousOne) {
    std::string output = converse("setoption name level value 5\nsetoption name SEED value 3\ngo\n");
    EXPECT_EQ(go_result(output), tool_result("", "5", "3"));
    output = converse("setoption name Level value 4\nsetoption name Level value 15\nsetoption name Level value x\n"
                      "setoption name Seed value -1\nsetoption name Hash value 16\nsetoption name UCI_Variant value chess\n"
                      "setoption name UCI_Variant value antichess\nsetoption Level 3\ngo\n");
    std::vector<std::string> lines = lines_of(output);
    ASSERT_EQ(lines.size(), 8u) << output;
    for (int index = 0; index < 6; index++) EXPECT_EQ(lines[index].compare(0, 19, "info string error: "), 0) << lines[index];
    EXPECT_EQ(go_result(output), tool_result("", "4", "1"));
}

TEST(Uci, GoPerftDividesAsTheToolDoes) {
    std::string output = converse("position fen 8/1P5k/8/8/8/8/8/8 w - - 0 1\ngo perft 2\n");
    EXPECT_EQ(output, run_tool({"divide", "2", "--fen", "8/1P5k/8/8/8/8/8/8 w - - 0 1"}).out);
    EXPECT_EQ(converse("go perft 0\ngo perft 7\ngo perft x\ngo perft\n").find("total"), std::string::npos);
    // A count that would keep the loop from reading for long is refused, the position kept.
    output = converse("position fen r1r1r1r1/8/8/8/8/8/8/1R1R1R1R w - - 0 9\ngo perft 6\ngo perft 1\n");
    EXPECT_EQ(output.compare(0, 19, "info string error: "), 0) << output;
    EXPECT_EQ(output.substr(output.size() - 9), "total 35\n");
    // No move: bestmove 0000.
    output = converse("position fen 8/8/8/p7/P7/8/8/8 w - - 0 9\ngo wtime 1000 btime 1000\n");
    EXPECT_EQ(lines_of(output).back(), "bestmove 0000");
}

// Each bad position line gets one error line and leaves the previous position, which the
// following go perft 1 shows.
TEST(Uci, BadPositionsAreRefusedOnOneLineAndThePositionStays) {
    const std::string before = "position startpos moves e2e4 d7d5\n";
    const std::string kept = converse(before + "go perft 1\n");
    ASSERT_EQ(kept, "e4d5 1\ntotal 1\n");
    const std::string bad_lines[] = {
        "position startpos moves e2e4 d7d5 e4e5",          // illegal: the capture is compulsory
        "position startpos moves e2e4 a7a6 e4e5 d7d5 e5d6",  // en passant does not exist here
        "position startpos moves e1g1",                     // nor does castling
        "position startpos moves e2e4 zz",
        "position fen rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP w - - 0 1",
        "position fen rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR x - - 0 1 moves e2e4",
        "position fen",
        "position",
        "position startpos e2e4",
        "position startpos moves e2e4 \xe9\x1b[2J",
        "position fen " + std::string(600, 'p'),
    };
    for (const std::string &bad : bad_lines) {
        std::string output = converse(before + bad + "\ngo perft 1\n");
        std::vector<std::string> lines = lines_of(output);
        ASSERT_EQ(lines.size(), 3u) << bad << "\n" << output;
        EXPECT_EQ(lines[0].compare(0, 19, "info string error: "), 0) << lines[0];
        for (char c : lines[0]) EXPECT_TRUE(c >= ' ' && c < 127) << lines[0];
        EXPECT_EQ(output.substr(lines[0].size() + 1), kept) << bad;
    }
}

TEST(Uci, HostileInputNeitherCrashesNorHangs) {
    // An overlong line, control bytes, NUL bytes, CR LF line ends and no final line end.
    std::string input = std::string(20000, 'x') + "\nisready\r\n\x01\x02 isready\n" + std::string("is\0ready\n", 9) +
                        "position startpos moves e2e4\r\ngo perft 1";
    std::vector<std::string> lines = lines_of(converse(input));
    ASSERT_EQ(lines.size(), 24u);
    EXPECT_EQ(lines[0].compare(0, 19, "info string error: "), 0);
    EXPECT_EQ(lines[1], "readyok");
    EXPECT_EQ(lines[2], "readyok");
    EXPECT_EQ(lines.back(), "total 20");
    EXPECT_EQ(converse(""), "");
}
