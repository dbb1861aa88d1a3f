// Whole games: a game longer than the history, and the window's close request while the computer
// plays. (The computer against itself to the end is a recorded session.)
#include <gtest/gtest.h>

#include "tests/scenarios/scenario.h"

namespace {

#define SHUFFLE_MOVES 300

TEST(WholeGame, AGameLongerThanTheHistoryStaysSoundAndTakeBackReachesTheOldestKeptMove) {
    start_device();
    headless_record_frames(false);
    start_game(PLAYERS_PEOPLE_ONLY, 0, TIME_CONTROL_UNTIMED, 0);
    // Two people shuffle their queen's knights: b1-c3, b8-c6, c3-b1, c6-b8, ...
    static const int route[4][4] = {{1, 0, 2, 2}, {1, 7, 2, 5}, {2, 2, 1, 0}, {2, 5, 1, 7}};
    for (int move = 0; move < SHUFFLE_MOVES; move++) {
        const int *m = route[move % 4];
        play_move(m[0], m[1], m[2], m[3]);
    }
    when(awaiting_person, [] {
        EXPECT_LE(history_count, HISTORY_SIZE);
        EXPECT_GE(history_count, HISTORY_SIZE - 1);
        EXPECT_EQ(BoardMap[board_index(1, 0)], 10);
        EXPECT_EQ(move_counts[White] + move_counts[Black], SHUFFLE_MOVES);
    });
    for (int undo = 0; undo < HISTORY_SIZE; undo++) when(awaiting_person, [] {
            if (history_count > 0) tap_takeback();
        });
    when(awaiting_person, [] {
        // Back to the position after move 50, the oldest kept: knights on c3 and c6.
        EXPECT_EQ(history_count, 0);
        EXPECT_EQ(side_to_move, White);
        EXPECT_EQ(BoardMap[board_index(2, 2)], 10);
        EXPECT_EQ(BoardMap[board_index(2, 5)], 26);
        EXPECT_TRUE(board_shown());
    });
    EXPECT_EQ(run_scenario(SCENARIO_FRAME_LIMIT * 2), 0u);
}

TEST(WholeGame, ACloseRequestEndsTheLoopLikeQuitEvenWhileTheComputerPlaysBothSides) {
    start_device();
    headless_record_frames(false);
    start_game(PLAYERS_COMPUTER_ONLY, 0, TIME_CONTROL_UNTIMED, 0);
    static int close_frame = 0;
    when([] { return history_count > 6; }, [] {
        close_frame = headless_frame_count();
        headless_close();
    });
    hold();
    EXPECT_EQ(run_scenario(), 1u);
    EXPECT_LE(headless_frame_count(), close_frame + 3);
    EXPECT_TRUE(everything_released());
}

}  // namespace
