// The shared position: a new game's table is the one the start FEN gives (whose ids the tool's
// tests pin), and the pieces of a new game have not moved.
#include <gtest/gtest.h>

#include "engine/position.h"
#include "tests/engine/engine_fixture.h"

TEST(Position, NewGameGivesTheStartingTable) {
    set_fen("rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w - - 0 1");
    PositionSnapshot from_fen = take_snapshot();
    setup_start_position();
    EXPECT_TRUE(same_position(from_fen, take_snapshot()));
    EXPECT_TRUE(BoardMap[4 * 8 + 0] == 15 && PieceTable[15].kind == King && PieceTable[15].moved == 0);
    EXPECT_EQ(capture_count, 0);
}
