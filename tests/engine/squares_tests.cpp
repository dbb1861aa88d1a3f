// The searches' square sets against the single statement of the rules: in positions reached by
// play and in set-up ones, each piece's targets and the capture count are exactly what
// is_legal_move and the capture list say, and a search leaves the sets as a fresh count has them.
#include <gtest/gtest.h>

#include "engine/rules.h"
#include "engine/squares.h"
#include "tests/engine/engine_fixture.h"

namespace {

// Positions beyond random play: promotions at hand, lone kings, crowded and blocked boards.
const char *const SET_UP[] = {
    "8/1P5k/8/8/8/8/6p1/K7 w - - 0 30",       "n1n5/PPPk4/8/8/8/8/4Kppp/5N1N b - - 0 20",
    "QQQQQQQQ/QQQQQQQQ/8/8/8/8/8/k7 w - - 0 5", "8/PPPPPPPP/8/8/8/8/pppppppp/8 b - - 0 12",
    "r3k2r/p1ppqpb1/bn2pnp1/3PN3/1p2P3/2N2Q1p/PPPBBPPP/R3K2R w - - 0 10", "7k/8/8/8/8/8/8/K7 b - - 0 9",
};

// Checks both sides' targets and capture counts in the shared position against the rules.
void expect_targets_follow_the_rules(const std::string &where) {
    sync_side_squares();
    for (int side = White; side <= Black; side++) {
        int32_t saved_side = side_to_move;
        side_to_move = side;
        generate_captures(16);
        int32_t listed = capture_count;
        CapturePair first = CaptureList[0];
        side_to_move = saved_side;
        SquareSet targets[16];
        int32_t captures = list_targets(side, targets);
        EXPECT_EQ(captures, listed < 2 ? listed : 2) << where << " side " << side;
        CapturePair only{-1, -1};
        EXPECT_EQ(count_captures(side, &only), captures) << where;
        if (listed == 1) {
            EXPECT_TRUE(only.attacker == first.attacker && only.victim == first.victim) << where;
        }
        for (int index = 0; index < 16; index++) {
            const PieceRecord &piece = PieceTable[side * 16 + index];
            SquareSet expected = 0;
            for (int square = 0; piece.file != CAPTURED && square < SQUARE_COUNT; square++) {
                int file = code_file(square), rank = code_rank(square);
                if (is_legal_move(piece.file, piece.rank, file, rank, side) &&
                    (captures == 0 || BoardMap[board_index(file, rank)] != EMPTY_SQUARE)) {
                    expected |= square_bit(file, rank);
                }
            }
            EXPECT_EQ(targets[index], expected) << where << " piece " << side * 16 + index;
        }
    }
}

}  // namespace

TEST(Squares, TargetsAndCapturesAreThoseOfTheRules) {
    for (unsigned seed = 1; seed <= 60; seed++) {
        play_random_game(seed, (int)(seed * 7 % 90));
        expect_targets_follow_the_rules("seed " + std::to_string(seed));
    }
    for (const char *fen : SET_UP) {
        set_fen(fen);
        expect_targets_follow_the_rules(fen);
    }
}

// try_move and take_back keep the sets in step through a whole search, promotions and giveaway
// lines included.
TEST(Squares, ASearchLeavesTheSetsAsAFreshCountHasThem) {
    for (int level_value : {4, 9, 13}) {
        for (const char *fen : SET_UP) {
            set_fen(fen);
            choose_at(level_value, 3);
            SquareSet kept[2] = {side_squares[White], side_squares[Black]};
            sync_side_squares();
            EXPECT_TRUE(kept[White] == side_squares[White] && kept[Black] == side_squares[Black]) << fen;
        }
    }
}
