// The giveaway-line search: the moves that never start or continue a line, the levels that use
// it, and a side with nothing left to give away. A line played at once is pinned by the tool's test.
#include <gtest/gtest.h>

#include "engine/giveaway.h"
#include "engine/search.h"
#include "tests/engine/engine_fixture.h"

namespace {

// The square code of a square named like "g7".
int32_t code_of(const char *square) { return square_code(square[0] - 'a', square[1] - '1'); }

}  // namespace

TEST(Giveaway, LinesAreFoundOnlyThroughSingleForcedCaptures) {
    const struct {
        const char *fen;
        int found, longest;
        const char *first, *second;  // the line's first two squares, when found
    } cases[] = {
        // g7 may be taken by the rook and the bishop, h7 by the rook alone.
        {"7k/R7/8/4B3/8/8/8/K7 b - - 0 30", 1, 2, "h8", "h7"},
        // a7 would be taken by the rook on h7, but the knight on b8 must be taken first.
        {"kN5R/7R/8/8/8/8/8/K7 b - - 0 30", 1, 2, "a8", "b8"},
        // Two black pieces: each is offered in turn to a single capture.
        {"7k/R7/8/8/8/1p6/8/K7 b - - 0 30", 1, 4, "b3", "b2"},
        // A pawn to a1 would be taken by the rook, but a promotion is never extended.
        {"7K/8/8/8/8/8/p7/7R b - - 0 30", 0, 0, nullptr, nullptr},
        // Nor is a line whose forced reply is a pawn capturing onto its last rank.
        {"2k5/P7/8/8/8/8/8/7K b - - 0 30", 0, 0, nullptr, nullptr},
    };
    // Below level 5 the plain search chooses, even when a line is there.
    set_fen("7k/R7/8/8/8/8/8/K7 b - - 0 30");
    EXPECT_EQ(choose_at(4), SOURCE_SEARCH);
    for (const auto &c : cases) {
        SCOPED_TRACE(c.fen);
        set_fen(c.fen);
        ASSERT_EQ(find_complete_giveaway_line(), c.found);
        EXPECT_EQ(longest_line, c.longest);
        if (c.found) {
            EXPECT_EQ(best_line[0], code_of(c.first));
            EXPECT_EQ(best_line[1], code_of(c.second));
        }
    }
}

TEST(Giveaway, ASideWithNoPieceLeftHasNoLine) {
    set_fen("8/8/8/8/8/8/8/K6R b - - 0 30");
    best_line[0] = code_of("e2");  // stale data a literal reading would play
    best_line[1] = code_of("e4");
    EXPECT_EQ(find_complete_giveaway_line(), 0);
    EXPECT_EQ(choose_at(9), SOURCE_NONE);
    EXPECT_EQ(best_from_file, -1);
}
