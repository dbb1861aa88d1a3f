// The UCI loop driven by piped conversations: the greeting, a whole game played by position and
// go with every choice equal to the tool's bestmove, options, go perft, and bad lines that are
// refused on one line with the previous position kept, or ignored, without a crash or a hang.
#include <gtest/gtest.h>

#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

#include "tests/engine/engine_fixture.h"
#include "tests/test_support.h"
#include "tools/engine/choice.h"
#include "tools/engine/uci.h"
#include "tools/engine/uci_input.h"

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

// The word after `key` in a line, or "" when there is none.
std::string word_after(const std::string &line, const std::string &key) {
    std::istringstream stream(line);
    for (std::string word; stream >> word;) {
        if (word == key) return stream >> word ? word : "";
    }
    return "";
}

// The line of the output that starts with `prefix`, or "".
std::string line_starting(const std::string &output, const std::string &prefix) {
    for (const std::string &line : lines_of(output)) {
        if (line.compare(0, prefix.size(), prefix) == 0) return line;
    }
    return "";
}

// "MOVE NODES SOURCE" of the loop's last go (from its info lines and bestmove).
std::string go_result(const std::string &output) {
    std::vector<std::string> lines = lines_of(output);
    std::string info = line_starting(output, "info depth ");
    if (lines.empty() || info.empty()) return "no answer: " + output;
    std::string source = word_after(line_starting(output, "info string source"), "source");
    return word_after(lines.back(), "bestmove") + " " + word_after(info, "nodes") + " " +
           (source == "none" ? "search" : source);
}

// The same three fields from the tool's bestmove for the moves from the start.
std::string tool_result(const std::string &moves, const char *level_text, const char *seed_text) {
    std::string out = run_tool({"bestmove", "--level", level_text, "--seed", seed_text, "--moves", moves.c_str()}).out;
    std::string move = word_after(out, "bestmove");
    return (move == "none" ? "0000" : move) + " " + word_after(out, "nodes") + " " + word_after(out, "source");
}

// The 5-word "info string error: ..." line count of an output.
int error_lines(const std::string &output) {
    int count = 0;
    for (const std::string &line : lines_of(output)) count += line.compare(0, 19, "info string error: ") == 0;
    return count;
}

}  // namespace

TEST(Uci, GreetsWithItsNameOptionsAndUciok) {
    EXPECT_EQ(converse("uci\nisready\n"),
              "id name vorlen\nid author the vorlen developers\n"
              "option name Level type spin default 1 min 0 max 14\n"
              "option name Seed type spin default 1 min 0 max 4294967295\n"
              "option name UCI_Variant type combo default antichess-noep var antichess-noep\n"
              "uciok\nreadyok\n");
    // Lines with no command, stop and whatever follows quit are ignored.
    EXPECT_EQ(converse("debug on\nxyzzy 1 2\nstop\nregister later\nquit\nisready\n"), "");
}

// Unknown words before a command are skipped and the rest of the line is that command, as the
// protocol asks of engines; a word that only starts like a command is no command.
TEST(Uci, UnknownWordsBeforeACommandAreSkipped) {
    EXPECT_EQ(converse("xyzzy isready\njoho debug on\nx y z isready\nisreadyy\nGo perft 1\n"),
              "readyok\nreadyok\n");
    std::string output = converse("hello position startpos moves e2e4 d7d5\n? go perft 1\nplease quit\nisready\n");
    EXPECT_EQ(lines_of(output).front(), "e4d5 1");
    EXPECT_EQ(lines_of(output).back(), "total 1");
    // The skipped words are not read as the command's own: go takes only what follows it.
    EXPECT_EQ(word_after(line_starting(converse("depth 3 go\n"), "info depth "), "depth"), "2");
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
        std::string score = line_starting(output, "info depth ");
        EXPECT_TRUE(score.find(" cp ") != std::string::npos || score.find(" mate ") != std::string::npos) << score;
        EXPECT_EQ(score.find(" cp -99"), std::string::npos) << score;
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
                      "setoption name UCI_Variant value ANTICHESS-noep\nsetoption Level 3\ngo\n");
    std::vector<std::string> lines = lines_of(output);
    ASSERT_EQ(lines.size(), 9u) << output;
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

// Each bad position line gets one error line and leaves no position: go answers bestmove 0000
// and go perft is refused until the next good position command.
TEST(Uci, ARefusedPositionLeavesNoPositionUntilTheNextGoodOne) {
    const std::string before = "position startpos moves e2e4 d7d5\n";
    const std::string bad_lines[] = {
        "position startpos moves e2e4 d7d5 e4e5",          // illegal: the capture is compulsory
        "position startpos moves e2e4 a7a6 e4e5 d7d5 e5d6",  // en passant does not exist here
        "position startpos moves e1g1",                     // nor does castling
        "position startpos moves e2e3 zz",
        "position fen rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP w - - 0 1",
        "position fen rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR x - - 0 1 moves e2e4",
        "position fen",
        "position",
        "position startpos e2e4",
        "position startpos moves e2e4 \xe9\x1b[2J",
        "position fen " + std::string(600, 'p'),
    };
    for (const std::string &bad : bad_lines) {
        std::string output = converse(before + bad + "\ngo\ngo infinite\nstop\ngo perft 1\n" + before + "go perft 1\n");
        std::vector<std::string> lines = lines_of(output);
        ASSERT_EQ(lines.size(), 8u) << bad << "\n" << output;
        EXPECT_EQ(lines[0].compare(0, 19, "info string error: "), 0) << lines[0];
        for (char c : lines[0]) EXPECT_TRUE(c >= ' ' && c < 127) << lines[0];
        EXPECT_EQ(lines[2], "bestmove 0000") << bad;
        EXPECT_EQ(lines[4], "bestmove 0000") << bad;
        EXPECT_EQ(error_lines(output), 4) << output;
        EXPECT_EQ(lines.back(), "total 1") << bad;
    }
}

// go infinite and go ponder search at once but answer only on stop, or on ponderhit for a
// search that is not infinite; isready is answered meanwhile; stop with nothing held is silent.
TEST(Uci, HeldSearchesAnswerOnlyOnStopOrPonderhit) {
    const std::string plain = converse("go\n");
    const std::string answer = lines_of(plain).back();
    ASSERT_EQ(answer.compare(0, 9, "bestmove "), 0) << plain;
    std::vector<std::string> lines = lines_of(converse("stop\ngo infinite\nisready\nponderhit\nisready\nstop\nstop\nisready\n"));
    ASSERT_EQ(lines.size(), 6u);
    EXPECT_EQ(lines[2], "readyok");
    EXPECT_EQ(lines[3], "readyok");
    EXPECT_EQ(lines[4], answer);
    EXPECT_EQ(lines[5], "readyok");
    lines = lines_of(converse("go ponder\nisready\nponderhit\nstop\n"));
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[2], "readyok");
    EXPECT_EQ(lines[3], answer);
    lines = lines_of(converse("go ponder wtime 100 btime 100\nstop\n"));
    EXPECT_EQ(lines.back(), answer);
    // A new command that changes what is searched ends the wait with the answer first.
    lines = lines_of(converse("go infinite\nposition startpos moves e2e4\nisready\n"));
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[2], answer);
    // quit, or the end of the input, during a wait ends the loop without an answer.
    EXPECT_EQ(converse("go infinite\nquit\nstop\nisready\n").find("bestmove"), std::string::npos);
    EXPECT_EQ(converse("go infinite\n").find("bestmove"), std::string::npos);
}

// go depth N searches N plies with the level's values and giveaway rule; other limits and
// searchmoves are read, named once as ignored, and change nothing.
TEST(Uci, GoDepthSearchesThosePliesAndOtherLimitsAreNamedOnceAsIgnored) {
    const std::string fen = "position fen 1nbqkbnr/r2ppp2/ppp3pp/8/8/PP3PP1/2PPPK1P/RNB1QBNR w - - 0 7\n";
    for (const char *level_text : {"1", "12"}) {
        for (int depth = 1; depth <= 6; depth++) {
            std::string output = converse("setoption name Level value " + std::string(level_text) + "\n" + fen +
                                          "go depth " + std::to_string(depth) + "\n");
            set_fen("1nbqkbnr/r2ppp2/ppp3pp/8/8/PP3PP1/2PPPK1P/RNB1QBNR w - - 0 7");
            ToolChoice choice = choose_for_tool(atoi(level_text), 1, depth);
            std::string info = line_starting(output, "info depth ");
            EXPECT_EQ(word_after(info, "depth"), std::to_string(depth));
            EXPECT_EQ(word_after(info, "nodes"), std::to_string(choice.nodes)) << level_text << " " << depth;
            EXPECT_EQ(word_after(info, "cp"), std::to_string(choice.score)) << level_text << " " << depth;
            EXPECT_EQ(lines_of(output).back(), "bestmove " + std::string(choice.move));
        }
    }
    // Deeper than 6 searches 6, with a word saying so; the giveaway rule stays the level's.
    std::string output = converse(fen + "setoption name Level value 9\ngo depth 40\n");
    EXPECT_EQ(error_lines(output), 1) << output;
    EXPECT_EQ(go_result(output), go_result(converse(fen + "setoption name Level value 9\ngo\n")));
    output = converse("setoption name Level value 9\nposition fen 8/8/8/8/3k4/8/1P6/K7 b - - 0 30\ngo depth 1\n");
    EXPECT_EQ(word_after(line_starting(output, "info string source"), "source"), "giveaway") << output;

    output = converse("go wtime 1000 btime -20 winc 0 binc 0 movestogo 9\ngo wtime 5 btime 5 movetime 100\n"
                      "go nodes 10 mate 2 searchmoves h2h4 a2a3 infinite\nstop\ngo searchmoves h2h4 nodes 10\n");
    std::vector<std::string> ignored;
    for (const std::string &line : lines_of(output)) {
        if (line.compare(0, 20, "info string ignored:") == 0) ignored.push_back(line);
    }
    ASSERT_EQ(ignored.size(), 3u) << output;
    EXPECT_EQ(ignored[0].compare(0, 56, "info string ignored: wtime btime winc binc movestogo (ev"), 0) << ignored[0];
    EXPECT_EQ(ignored[1].compare(0, 33, "info string ignored: movetime (ev"), 0) << ignored[1];
    EXPECT_NE(ignored[2].find("nodes mate"), std::string::npos) << ignored[2];
    EXPECT_NE(ignored[2].find("searchmoves"), std::string::npos) << ignored[2];
    EXPECT_EQ(error_lines(output), 0) << output;
    EXPECT_EQ(go_result(output), go_result(converse("go\n")));
    // Words go does not know, and limits without their number, are refused one by one.
    output = converse("go depth 0\ngo depth x\ngo wtime\ngo wtime infinite\nstop\ngo sideways\n");
    EXPECT_EQ(error_lines(output), 5) << output;
    EXPECT_EQ(lines_of(output).back(), lines_of(converse("go\n")).back());
}

// The variant offered is this game's own; the names others play with en passant are refused
// with the difference named.
TEST(Uci, OnlyTheVariantWithoutEnPassantIsTaken) {
    EXPECT_EQ(converse("setoption name UCI_Variant value antichess-noep\n"), "");
    for (const char *name : {"antichess", "Giveaway", "suicide"}) {
        std::string output = converse("setoption name UCI_Variant value " + std::string(name) + "\n");
        EXPECT_EQ(error_lines(output), 1) << output;
        EXPECT_NE(output.find("en passant"), std::string::npos) << output;
    }
}

// Scores a chess program can show: mate 0 for a side with no move (it has won), a mate in
// moves where a side loses every piece, the forced capture scored, the giveaway line in full.
TEST(Uci, ScoresAreMatesOrCentipawnsNeverSentinels) {
    EXPECT_EQ(line_starting(converse("position fen 8/8/8/p7/P7/8/8/8 w - - 0 9\ngo\n"), "info depth").substr(0, 34),
              "info depth 0 score mate 0 nodes 1 ");
    // Black's only move takes White's last piece: White has won.
    std::string info = line_starting(converse("position fen 7k/8/8/8/8/8/1p6/K7 b - - 0 30\ngo\n"), "info depth");
    EXPECT_NE(info.find(" score mate -1 "), std::string::npos) << info;
    EXPECT_NE(info.find(" pv b2a1r"), std::string::npos) << info;
    // A forced capture: its static score at depth 1 (taking a pawn costs the taker 10).
    info = line_starting(converse("position startpos moves e2e4 d7d5\ngo\n"), "info depth");
    EXPECT_NE(info.find("info depth 1 score cp -10 "), std::string::npos) << info;
    EXPECT_NE(info.find(" pv e4d5"), std::string::npos) << info;
    // A giveaway line: mate in its moves, the line with its forced replies.
    info = line_starting(converse("setoption name Level value 9\nposition fen 8/8/8/8/3k4/8/1P6/K7 b - - 0 30\ngo\n"),
                         "info depth");
    EXPECT_NE(info.find("info depth 2 score mate 1 "), std::string::npos) << info;
    EXPECT_NE(info.find(" pv d4c3 b2c3"), std::string::npos) << info;
    // The same win found by the search at level 4: a mate, counted in moves.
    info = line_starting(converse("setoption name Level value 4\nposition fen 8/8/8/8/3k4/8/1P6/K7 b - - 0 30\ngo\n"),
                         "info depth");
    EXPECT_NE(info.find(" score mate 1 "), std::string::npos) << info;
}

// Move lists of any length the protocol allows are taken whole: thousands of plies, far past
// 16 KB; past the stated limit of plies, or of bytes, the line is refused and leaves no position.
TEST(Uci, LongMoveListsAreTakenAndOverlongOnesRefused) {
    std::string shuffle;
    for (int round = 0; round < 1250; round++) shuffle += " g1f3 g8f6 f3g1 f6g8";  // 5,000 plies
    std::string output = converse("position startpos moves" + shuffle + "\ngo perft 1\ngo\n");
    EXPECT_EQ(error_lines(output), 0) << output.substr(0, 200);
    EXPECT_EQ(line_starting(output, "total"), "total 20");
    // Knights out and back: the side has moved, so its first-move rule is spent.
    EXPECT_EQ(go_result(output), tool_result(shuffle.substr(1), "1", "1"));

    std::string too_many;
    for (int ply = 0; ply <= 1000000; ply++) too_many += " a2a3";
    output = converse("position startpos moves" + too_many + "\ngo\n");
    EXPECT_EQ(lines_of(output)[0], "info string error: move list longer than 1000000 plies");
    EXPECT_EQ(lines_of(output).back(), "bestmove 0000");
    output = converse("position startpos moves " + std::string(UCI_LINE_LIMIT + 10, 'a') + "\ngo\nisready\n");
    EXPECT_EQ(lines_of(output)[0].compare(0, 24, "info string error: line "), 0) << lines_of(output)[0];
    EXPECT_EQ(lines_of(output)[2], "bestmove 0000");
    EXPECT_EQ(lines_of(output).back(), "readyok");
    // An overlong go is still answered.
    output = converse("go searchmoves " + std::string(UCI_LINE_LIMIT, 'a') + "\nisready\n");
    ASSERT_EQ(lines_of(output).size(), 3u) << output.substr(0, 200);
    EXPECT_EQ(lines_of(output)[1], "bestmove 0000");
    // An overlong go or position during a held search releases the held answer first, so that
    // the client never reads 0000 as its search's answer.
    const std::string answer = lines_of(converse("go\n")).back();
    const std::string refused = "info string error: line longer than 16777216 bytes ignored";
    for (const char *command : {"go searchmoves ", "position startpos moves "}) {
        std::vector<std::string> said;
        for (const std::string &line :
             lines_of(converse(std::string("go infinite\n") + command + std::string(UCI_LINE_LIMIT, 'a') + "\ngo\n")))
            if (line.rfind("bestmove ", 0) == 0 || line == refused) said.push_back(line);
        std::vector<std::string> expected = {answer, refused, "bestmove 0000"};
        if (command[0] == 'g') expected.push_back(answer);  // a refused go is answered at once
        EXPECT_EQ(said, expected) << command;                  // a refused position leaves none
    }
}

TEST(Uci, HostileInputNeitherCrashesNorHangs) {
    // Control bytes, NUL bytes, CR LF line ends and no final line end.
    std::string input = std::string(20000, 'x') + "\nisready\r\n\x01\x02 isready\n" + std::string("is\0ready\n", 9) +
                        "position startpos moves e2e4\r\ngo perft 1";
    std::vector<std::string> lines = lines_of(converse(input));
    ASSERT_EQ(lines.size(), 23u);
    EXPECT_EQ(lines[0], "readyok");
    EXPECT_EQ(lines[1], "readyok");
    EXPECT_EQ(lines.back(), "total 20");
    EXPECT_EQ(converse(""), "");
}
