// Compulsory capture: the capture list and its early stop. Starting positions and single
// captures are met by the list-against-rules test; a side without a move by the scenarios.
#include <gtest/gtest.h>

#include "engine/captures.h"
#include "engine/rules.h"
#include "tests/engine/engine_fixture.h"

TEST(Captures, TheLimitStopsBeforeTheNextPiece) {
    clear_board();
    // Piece 8 (a rook) has one capture, piece 9 (a queen) three, piece 10 (a knight) one more.
    place_piece(8, 0, 0, White, Rook);
    place_piece(16, 0, 3, Black, Pawn);
    place_piece(9, 4, 4, White, Queen);
    place_piece(17, 4, 6, Black, Pawn);
    place_piece(18, 6, 4, Black, Pawn);
    place_piece(19, 2, 2, Black, Pawn);
    place_piece(10, 7, 0, White, Knight);
    place_piece(20, 5, 1, Black, Pawn);
    generate_captures(1);  // the list stops as soon as it holds more than the limit
    EXPECT_EQ(capture_count, 4);
    for (int pair = 0; pair < capture_count; pair++) EXPECT_NE(CaptureList[pair].attacker, 10);
}

TEST(Captures, PawnsLookOnlyForwardAndOnTheBoard) {
    clear_board();
    place_piece(0, 0, 5, White, Pawn);
    place_piece(7, 7, 7, White, Pawn);  // a pawn left on its last rank by the giveaway search
    place_piece(16, 1, 6, Black, Knight);
    place_piece(17, 6, 6, Black, Rook);
    place_piece(18, 1, 4, Black, Knight);
    generate_captures(1);
    ASSERT_EQ(capture_count, 1);
    EXPECT_EQ(CaptureList[0].victim, 16);
}

// The list, with a limit large enough to be complete, holds exactly the captures that
// is_legal_move accepts, in positions reached by play.
TEST(Captures, TheListAgreesWithTheMoveRules) {
    for (unsigned seed = 1; seed <= 40; seed++) {
        play_random_game(seed, (int)(seed % 50) + 4);
        generate_captures(16);
        int expected = 0;
        for (int from = 0; from < SQUARE_COUNT; from++) {
            for (int to = 0; to < SQUARE_COUNT; to++) {
                int to_file = code_file(to), to_rank = code_rank(to);
                if (BoardMap[board_index(to_file, to_rank)] == EMPTY_SQUARE) continue;
                expected += is_legal_move(code_file(from), code_rank(from), to_file, to_rank, side_to_move);
            }
        }
        EXPECT_EQ(capture_count, expected) << "seed " << seed;
        for (int pair = 0; pair < capture_count; pair++) {
            const PieceRecord &attacker = PieceTable[CaptureList[pair].attacker];
            const PieceRecord &victim = PieceTable[CaptureList[pair].victim];
            EXPECT_TRUE(is_legal_move(attacker.file, attacker.rank, victim.file, victim.rank,
                                      side_to_move));
        }
    }
}
