// The clocks over several games of one session: charging, the increment, an untimed game, and a
// time-out found during the computer's search. (People running out of time is a recorded session.)
#include <gtest/gtest.h>

#include "tests/scenarios/scenario.h"

namespace {

TEST(Clocks, ChargingIncrementTimeOutsAndUntimedGamesAlongOneSession) {
    start_device();
    // White's budget on each frame of the slide of its move in the game with an increment; how
    // many moves had been made when the computer's clock ran out.
    static int32_t budget_at_step[MOVE_ANIMATION_STEPS + 1];
    static int history_at_time_out = -1;
    every_frame([] {
        if (animation_pending == 1 && side_to_move == Black && increment_option == 2)
            budget_at_step[anim_step] = time_budget[White];
        if (game_over == 1 && history_at_time_out < 0) history_at_time_out = history_count;
    });
    start_game(PLAYERS_PEOPLE_ONLY, 0, 1, 2);
    static int32_t used[2];
    when(awaiting_person, [] {
        EXPECT_EQ(time_budget[White], 120000);
        used[White] = time_used[White];
        used[Black] = time_used[Black];
        headless_advance_time(5000);
    });
    then([] {
        EXPECT_GE(time_used[White], used[White] + 5000);
        EXPECT_LT(time_used[White], used[White] + 5100);
        EXPECT_EQ(time_used[Black], used[Black]);
    });
    play_move(4, 1, 4, 2);
    when(awaiting_person, [] {
        EXPECT_EQ(time_budget[White], 125000);
        EXPECT_EQ(time_budget[Black], 120000);
        EXPECT_EQ(budget_at_step[0], 120000);  // not yet when the move is made,
        EXPECT_EQ(budget_at_step[1], 125000);  // but on the slide's first frame
        tap_menu();
    });
    // Untimed: no time-out.
    choose_options(PLAYERS_PEOPLE_ONLY, 0, TIME_CONTROL_UNTIMED, 0);
    when(awaiting_person, [] { headless_advance_time(400000); });
    then([] {
        EXPECT_EQ(game_over, 0);
        EXPECT_GE(time_used[White], 400000);  // still charged, invisibly
        tap_menu();
    });
    // The computer's clock runs out while it searches: the game ends before its move.
    choose_options(PLAYERS_PERSON_WHITE, 4, 0, 0);
    play_move(4, 1, 4, 2);
    when(awaiting_computer, [] { time_used[Black] = time_budget[Black] - 1; });
    when([] { return game_over != 0; }, [] {
        EXPECT_EQ(game_over, 1);
        EXPECT_EQ(time_used[Black], time_budget[Black]);
    });
    EXPECT_EQ(run_scenario(), 0u);
    EXPECT_EQ(history_at_time_out, 1);
    // The computer's move was never played, so no slide is left waiting behind the banner.
    EXPECT_EQ(history_count, 1);
    EXPECT_EQ(side_to_move, Black);
    EXPECT_EQ(animation_pending, 0);
}

TEST(Clocks, AnUntimedGameRunsForEver) {
    start_device();
    start_game(PLAYERS_PEOPLE_ONLY, 0, TIME_CONTROL_UNTIMED, 0);
    // Three quarters of the tick counter's range at a time: the time used passes 2^31 ms and
    // the counter wraps, and the time used only grows.
    static int32_t last_used = 0;
    for (int jump = 0; jump < 4; jump++) {
        when(awaiting_person, [] { headless_advance_time(0xC0000000u); });
        then([] {
            EXPECT_GE(time_used[White], last_used);
            last_used = time_used[White];
        });
    }
    then([] {
        EXPECT_EQ(time_used[White], INT32_MAX);
        EXPECT_EQ(game_over, 0);
    });
    play_move(4, 1, 4, 2);
    then([] { EXPECT_EQ(side_to_move, Black); });
    EXPECT_EQ(run_scenario(), 0u);
}

}  // namespace
