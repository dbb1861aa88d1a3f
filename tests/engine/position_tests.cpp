// The shared position: the start, placing pieces, and moves tried in place and taken back.
#include <gtest/gtest.h>

#include "engine/position.h"
#include "tests/engine/engine_fixture.h"

TEST(Position, NewGameGivesTheStartingTable) {
    setup_start_position();
    const int back_files[8] = {0, 7, 1, 6, 2, 5, 3, 4};
    const int back_kinds[8] = {Rook, Rook, Knight, Knight, Bishop, Bishop, Queen, King};
    for (int colour = White; colour <= Black; colour++) {
        for (int index = 0; index < 16; index++) {
            const PieceRecord &piece = PieceTable[colour * 16 + index];
            int pawn = index < 8;
            EXPECT_EQ(piece.file, pawn ? index : back_files[index - 8]);
            EXPECT_EQ(piece.rank, (colour == White ? 0 : 7) + (pawn ? (colour == White ? 1 : -1) : 0));
            EXPECT_EQ(piece.kind, pawn ? Pawn : back_kinds[index - 8]);
            EXPECT_TRUE(piece.colour == colour && piece.moved == 0);
            EXPECT_EQ(BoardMap[piece.file * 8 + piece.rank], colour * 16 + index);
        }
    }
    int empty = 0;
    for (int square = 0; square < SQUARE_COUNT; square++) empty += BoardMap[square] == EMPTY_SQUARE;
    EXPECT_EQ(empty, 32);
    EXPECT_TRUE(side_to_move == White && capture_count == 0 && move_counts[White] + move_counts[Black] == 0);
}

TEST(Position, CaptureInPlaceAndTakeBackRestoreEverything) {
    setup_start_position();
    // A knight that has moved before captures a pawn; the victim keeps its rank.
    try_move(10, 2, 5);
    PositionSnapshot before = take_snapshot();
    TriedMove capture = try_move(10, 3, 6);
    EXPECT_EQ(capture.victim, 19);
    EXPECT_EQ(PieceTable[19].file, CAPTURED);
    EXPECT_EQ(PieceTable[19].rank, 6);
    EXPECT_EQ(BoardMap[3 * 8 + 6], 10);
    EXPECT_EQ(BoardMap[2 * 8 + 5], EMPTY_SQUARE);
    for (int square = 0; square < SQUARE_COUNT; square++) EXPECT_NE(BoardMap[square], 19);
    take_back(capture);
    EXPECT_TRUE(same_position(before, take_snapshot()));
    EXPECT_EQ(PieceTable[10].moved, 1);
}
