// Scenarios of the clocks: charging, increments, untimed games, time-outs, and option changes
// made on the menu during a game.
#include <gtest/gtest.h>

#include "engine/position.h"
#include "engine/search.h"
#include "game/assets.h"
#include "game/board_view.h"
#include "game/clocks.h"
#include "game/computer_turn.h"
#include "game/game_state.h"
#include "game/menu.h"
#include "graphics/draw.h"
#include "platform/headless/headless.h"
#include "tests/scenarios/scenario.h"

namespace {

// 1 when every pixel of a clock half, inside its two-pixel frame, has the given colour: no
// figures are printed there.
bool half_plain(int left, int colour) {
    for (int y = 242; y < 258; y++)
        for (int x = left + 2; x < left + 118; x++)
            if (display_pixel(x, y) != colour) return false;
    return true;
}

TEST(Clocks, ThePersonsThinkingTimeIsChargedToTheSideToMoveOnly) {
    start_device();
    start_game(2, 0, 1, 0);
    static int32_t used[2];
    when(awaiting_person, [] {
        EXPECT_EQ(time_budget[White], 120000);
        EXPECT_EQ(time_budget[Black], 120000);
        used[White] = time_used[White];
        used[Black] = time_used[Black];
        headless_advance_time(5000);
    });
    when(always, [] {
        EXPECT_GE(time_used[White], used[White] + 5000);
        EXPECT_LT(time_used[White], used[White] + 5100);
        EXPECT_EQ(time_used[Black], used[Black]);
        // White's half runs: bright, framed; Black's is dim.
        EXPECT_EQ(display_pixel(0, 240), 0xFFFF);
        EXPECT_EQ(display_pixel(3, 243), 0x03E0);
        EXPECT_EQ(display_pixel(125, 245), 0x0007);
    });
    EXPECT_TRUE(run_scenario().finished);
}

TEST(Clocks, TheIncrementIsAddedOnTheFirstSlideFrameToTheSideThatMoved) {
    start_device();
    start_game(2, 0, 1, 2);
    // White's budget as each frame of the slide of White's first move is presented.
    static int32_t budget_at_step[MOVE_ANIMATION_STEPS + 1];
    every_frame([] {
        if (animation_pending == 1 && side_to_move == Black) budget_at_step[anim_step] = time_budget[White];
    });
    when(awaiting_person, [] { tap_square(4, 1); });
    when(always, [] { tap_square(4, 2); });
    when(awaiting_person, [] {
        EXPECT_EQ(time_budget[White], 125000);
        EXPECT_EQ(time_budget[Black], 120000);
    });
    EXPECT_TRUE(run_scenario().finished);
    EXPECT_EQ(budget_at_step[0], 120000);
    for (int step = 1; step < MOVE_ANIMATION_STEPS; step++) EXPECT_EQ(budget_at_step[step], 125000);
}

TEST(Clocks, AnUntimedGameShowsNoFiguresAndNeverTimesOut) {
    start_device();
    start_game(2, 0, TIME_CONTROL_UNTIMED, 0);
    when(awaiting_person, [] {
        EXPECT_TRUE(half_plain(0, 0x03E0));
        EXPECT_TRUE(half_plain(120, 0x0007));
        headless_advance_time(400000);
    });
    when(always, [] {
        EXPECT_EQ(game_over, 0);
        EXPECT_GE(time_used[White], 400000);  // still charged, invisibly
    });
    EXPECT_TRUE(run_scenario().finished);
}

TEST(Clocks, TimedGameShowsFiguresAndTheOwnerOfAnEmptyClockLoses) {
    start_device();
    start_game(2, 0, 0, 0);
    when(awaiting_person, [] {
        EXPECT_FALSE(half_plain(0, 0x03E0));
        EXPECT_FALSE(half_plain(120, 0x0007));
        headless_advance_time(59500);
    });
    when(always, [] {
        // Less than a second left: the clock shows 0:00 and the game goes on.
        EXPECT_EQ(game_over, 0);
        headless_advance_time(1000);
    });
    when(always, [] {
        EXPECT_EQ(game_over, 2);
        EXPECT_EQ(time_used[White], time_budget[White]);
    });
    when(always, [] { EXPECT_TRUE(picture_shown(bluewin_picture, 8, 77, 224, 100, true)); });
    EXPECT_TRUE(run_scenario().finished);
}

TEST(Clocks, ATimeOutFoundDuringTheComputersSearchEndsTheGameAtOnce) {
    start_device();
    start_game(1, 4, 0, 0);
    static int history_at_time_out = -1;
    every_frame([] {
        if (game_over != 0 && history_at_time_out < 0) history_at_time_out = history_count;
    });
    when(awaiting_person, [] { tap_square(4, 1); });
    when(always, [] { tap_square(4, 2); });
    when(awaiting_computer, [] { time_used[Black] = time_budget[Black] - 1; });
    when([] { return game_over != 0; }, [] {
        EXPECT_EQ(game_over, 1);
        EXPECT_EQ(time_used[Black], time_budget[Black]);
    });
    EXPECT_TRUE(run_scenario().finished);
    // Found by the search's own clock update, before the computer's move was committed.
    EXPECT_EQ(history_at_time_out, 1);
}

TEST(Clocks, BackFromTheMenuKeepsTheGamesLevelClockAndIncrementButTheNewPlayers) {
    start_device();
    start_game(1, 2, 1, 1);
    when(awaiting_person, [] { tap_menu(); });
    when(always, [] {
        EXPECT_EQ(screen_state, SCREEN_MENU);
        tap_cell(level_cell(9));
    });
    when(always, [] { tap_cell(TIME_CONTROL_CELLS[3]); });
    when(always, [] { tap_cell(INCREMENT_CELLS[3]); });
    when(always, [] { tap_cell(PLAYERS_CELLS[0]); });
    // The game as it was is shown the moment Back is tapped, before the computer moves.
    static bool back_tapped = false, board_checked = false;
    every_frame([] {
        if (!back_tapped || board_checked || screen_state != SCREEN_PLAY) return;
        EXPECT_TRUE(board_shown());
        EXPECT_TRUE(picture_shown(panel2_picture, 0, 260, FRAME_WIDTH, 60, false));
        board_checked = true;
    });
    when(always, [] {
        headless_advance_time(30000);
        tap_back();
        back_tapped = true;
    });
    when(always, [] {
        EXPECT_EQ(screen_state, SCREEN_PLAY);
        EXPECT_EQ(level, 2);
        EXPECT_EQ(time_control, 1);
        EXPECT_EQ(increment_option, 1);
        EXPECT_EQ(players, 0);
        EXPECT_LT(time_used[White], 1000);  // the menu's time is charged to nobody
        EXPECT_TRUE(board_checked);
    });
    // The computer takes over White at once.
    when([] { return history_count > 0; }, [] { EXPECT_EQ(PieceTable[move_history[0].mover].colour, White); });
    EXPECT_TRUE(run_scenario().finished);
}

TEST(Clocks, AClockChosenOnTheMenuAndDroppedByBackDoesNotEndAnUntimedGame) {
    start_device();
    start_game(2, 0, TIME_CONTROL_UNTIMED, 0);
    when(awaiting_person, [] { headless_advance_time(6 * 60000); });
    when(always, [] { tap_menu(); });
    when(always, [] { tap_cell(TIME_CONTROL_CELLS[0]); });
    when(always, [] { tap_back(); });
    when(always, [] {
        EXPECT_EQ(time_control, TIME_CONTROL_UNTIMED);
        EXPECT_EQ(game_over, 0);
    });
    EXPECT_TRUE(run_scenario().finished);
}

}  // namespace
