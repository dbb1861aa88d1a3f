// The computer's move choice by the alpha-beta search: ties, forced captures, promotions, the
// first move, and the position left as it was found. The golden table's node counts stand for the
// scores and order of the search itself, and its hook rows for where the clock is charged.
#include <gtest/gtest.h>

#include "engine/evaluate.h"
#include "engine/search.h"
#include "tests/engine/engine_fixture.h"

TEST(Search, TheFirstMoveOfAGameIsAPawnMove) {
    int knight_moves = 0;
    for (unsigned seed = 1; seed <= 12; seed++) {
        for (int counted = 0; counted <= 1; counted++) {
            setup_start_position();
            move_counts[White] = counted;
            choose_at((int)seed % 5, seed, nullptr);
            int kind = PieceTable[BoardMap[board_index(best_from_file, best_from_rank)]].kind;
            if (counted == 0) {
                EXPECT_EQ(kind, Pawn) << "seed " << seed;
            }
            knight_moves += kind == Knight;
        }
    }
    EXPECT_GT(knight_moves, 0);  // once the side has moved, knights are chosen too
}

TEST(Search, TheRootsOnlyCaptureIsPlayedAtOnceUnlessItPromotesAndNoMoveIsNone) {
    set_fen("4k3/8/8/8/8/2p5/1P6/4K3 w - - 0 20");
    int64_t before = nodes_counted;
    int32_t score = 0;
    EXPECT_EQ(choose_at(4, 1, &score), SOURCE_SEARCH);
    EXPECT_EQ(nodes_counted - before, 1);
    EXPECT_EQ(score, -INFINITE_SCORE + 1);
    EXPECT_EQ(best_from_file * 1000 + best_from_rank * 100 + best_to_file * 10 + best_to_rank, 1122);
    EXPECT_EQ(best_promotion, -1);
    // A forced capture onto the last rank is searched for its promotion.
    set_fen("1n2k3/P7/8/8/8/8/8/4K3 w - - 0 20");
    before = nodes_counted;
    choose_at(1, 1, nullptr);
    EXPECT_GT(nodes_counted - before, 5);
    EXPECT_TRUE(best_to_file == 1 && best_to_rank == 7);
    EXPECT_NE(best_promotion, -1);
    set_fen("4k3/8/8/8/p7/P7/8/8 w - - 0 20");  // no move leaves the best move empty
    EXPECT_EQ(choose_at(6, 1, &score), SOURCE_NONE);
    EXPECT_EQ(best_from_file, -1);
    EXPECT_EQ(score, -INFINITE_SCORE);
}

TEST(Search, PromotionTakesTheKindWithTheHighestValueEarliestFirst) {
    // The knight must take whatever reaches b8: a lost queen is worth most to White.
    set_fen("7k/1P6/2n5/8/8/8/8/7K w - - 0 20");
    level = 1;
    int32_t before = evaluate_position(White);
    int32_t score = 0;
    choose_at(1, 3, &score);
    EXPECT_TRUE(best_to_file == 1 && best_to_rank == 7);
    EXPECT_EQ(best_promotion, Queen);
    EXPECT_EQ(score, before + 40);
    // With nothing to tell the kinds apart, the first kind tried wins.
    set_fen("7k/1P6/8/8/8/8/8/8 w - - 0 20");
    choose_at(0, 3, nullptr);
    EXPECT_EQ(best_promotion, Rook);
}

// Every search leaves the pieces, squares, side to move and move counters as it found them.
class SearchLeavesThePosition : public testing::TestWithParam<int> {};

TEST_P(SearchLeavesThePosition, InPositionsReachedByPlay) {
    int level_value = GetParam();
    int position_count = depth_for_level(level_value) >= 6 ? 6 : 24;
    for (int game = 0; game < position_count; game++) {
        unsigned seed = (unsigned)(level_value * 100 + game);
        play_random_game(seed, 2 + game * 3);
        PositionSnapshot before = take_snapshot();
        choose_at(level_value, seed, nullptr);
        EXPECT_TRUE(same_position(before, take_snapshot())) << "seed " << seed;
    }
}

INSTANTIATE_TEST_SUITE_P(EveryLevel, SearchLeavesThePosition, testing::Range(0, LEVEL_COUNT));
