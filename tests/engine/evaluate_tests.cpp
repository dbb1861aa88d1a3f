// The static score: lost material counted the losing way, by level.
#include <gtest/gtest.h>

#include "engine/evaluate.h"
#include "engine/search.h"
#include "tests/engine/engine_fixture.h"

namespace {

// Takes a piece off the board as a capture would.
void capture_piece(int id) {
    BoardMap[board_index(PieceTable[id].file, PieceTable[id].rank)] = EMPTY_SQUARE;
    PieceTable[id].file = CAPTURED;
}

}  // namespace

TEST(Evaluate, LostMaterialCountsForItsOwnerByLevelAndLosingEverythingWins) {
    setup_start_position();
    level = 0;
    EXPECT_EQ(evaluate_position(White), 0);
    capture_piece(3);
    EXPECT_EQ(evaluate_position(White), 10);
    level = 12;
    EXPECT_EQ(evaluate_position(Black), -30);
    capture_piece(31);  // a king is worth nothing from level 10
    EXPECT_EQ(evaluate_position(White), 30);
    level = 9;
    EXPECT_EQ(evaluate_position(Black), 10);
    setup_start_position();  // a promoted pawn counts as its new kind
    level = 0;
    PieceTable[20].kind = Queen;
    capture_piece(20);
    EXPECT_EQ(evaluate_position(Black), 40);
    level = 3;  // losing every piece is a win whatever else
    for (int id = 0; id < 16; id++) capture_piece(id);
    EXPECT_EQ(evaluate_position(White), MATE_SCORE);
    EXPECT_EQ(evaluate_position(Black), -MATE_SCORE);
}
