// How the pieces move: each kind's geometry, blocking, and the tests every move passes first.
#include <gtest/gtest.h>

#include "engine/rules.h"
#include "tests/engine/engine_fixture.h"

TEST(Rules, PawnStepsOnlyOntoEmptySquares) {
    clear_board();
    place_piece(4, 4, 1, White, Pawn);
    EXPECT_TRUE(is_legal_move(4, 1, 4, 2, White));
    EXPECT_TRUE(is_legal_move(4, 1, 4, 3, White));
    EXPECT_FALSE(is_legal_move(4, 1, 4, 4, White));
    EXPECT_FALSE(is_legal_move(4, 1, 5, 2, White));  // diagonal onto an empty square
    place_piece(20, 4, 3, Black, Pawn);
    EXPECT_TRUE(is_legal_move(4, 1, 4, 2, White));
    EXPECT_FALSE(is_legal_move(4, 1, 4, 3, White));  // straight onto an enemy
    place_piece(0, 4, 2, White, Pawn);
    EXPECT_FALSE(is_legal_move(4, 1, 4, 3, White));
    EXPECT_FALSE(is_legal_move(4, 1, 4, 2, White));
}

TEST(Rules, PawnCapturesDiagonallyForwardOnly) {
    clear_board();
    place_piece(16, 0, 6, Black, Pawn);
    place_piece(1, 1, 5, White, Pawn);
    place_piece(2, 1, 7, White, Rook);
    EXPECT_TRUE(is_legal_move(0, 6, 1, 5, Black));
    EXPECT_FALSE(is_legal_move(0, 6, 1, 7, Black));  // backwards
    // A pawn that is not on its starting rank has no double step, whatever its moved flag.
    place_piece(3, 3, 2, White, Pawn);
    EXPECT_FALSE(is_legal_move(3, 2, 3, 4, White));
    EXPECT_TRUE(is_legal_move(0, 6, 0, 4, Black));
}

TEST(Rules, KingStepsOneSquareAndIsNeverInCheck) {
    clear_board();
    place_piece(15, 4, 0, White, King);
    place_piece(31, 4, 2, Black, King);
    place_piece(24, 0, 1, Black, Rook);
    EXPECT_FALSE(is_legal_move(4, 0, 6, 0, White));
    EXPECT_FALSE(is_legal_move(4, 0, 2, 0, White));
    EXPECT_TRUE(is_legal_move(4, 0, 4, 1, White));  // attacked by both
    EXPECT_TRUE(is_legal_move(4, 2, 4, 1, Black));
    place_piece(31, 5, 1, Black, King);
    BoardMap[4 * 8 + 2] = EMPTY_SQUARE;
    EXPECT_TRUE(is_legal_move(4, 0, 5, 1, White));  // a king takes a king
}

TEST(Rules, SlidersAreBlockedAndCaptureTheFirstEnemy) {
    setup_start_position();
    EXPECT_FALSE(is_legal_move(0, 0, 0, 2, White));  // own pawn in the way
    BoardMap[0 * 8 + 1] = EMPTY_SQUARE;
    PieceTable[0].file = CAPTURED;
    place_piece(17, 0, 5, Black, Pawn);
    BoardMap[1 * 8 + 6] = EMPTY_SQUARE;
    EXPECT_TRUE(is_legal_move(0, 0, 0, 4, White));
    EXPECT_TRUE(is_legal_move(0, 0, 0, 5, White));
    EXPECT_FALSE(is_legal_move(0, 0, 0, 6, White));  // behind the enemy
    EXPECT_FALSE(is_legal_move(3, 0, 4, 2, White));  // a queen is no knight
    EXPECT_FALSE(is_legal_move(2, 0, 4, 2, White));  // bishop behind its pawn
    EXPECT_TRUE(is_legal_move(1, 0, 2, 2, White));   // a knight jumps
    EXPECT_FALSE(is_legal_move(1, 0, 1, 2, White));
}

TEST(Rules, TheFirstTestsRefuseWhateverThePiece) {
    setup_start_position();
    EXPECT_FALSE(is_legal_move(1, 0, 2, 2, Black));  // the other colour's piece
    EXPECT_FALSE(is_legal_move(0, 0, 0, 1, White));  // onto its own piece
    EXPECT_FALSE(is_legal_move(4, 1, 4, 1, White));  // from = to
    EXPECT_FALSE(is_legal_move(4, 4, 4, 5, White));  // empty from square
    EXPECT_FALSE(is_legal_move(1, 0, -1, 1, White));
    EXPECT_FALSE(is_legal_move(7, 1, 7, 8, White));
    PieceTable[10].kind = 9;  // a kind no piece has
    EXPECT_FALSE(is_legal_move(1, 0, 2, 2, White));
}
