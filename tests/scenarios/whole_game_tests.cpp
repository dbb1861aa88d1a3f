// Scenarios of whole games and of leaving the game: computer against computer, a game longer
// than the history, Quit and the window's close request.
#include <gtest/gtest.h>

#include "engine/position.h"
#include "game/assets.h"
#include "game/computer_turn.h"
#include "game/game_state.h"
#include "game/human_input.h"
#include "platform/headless/headless.h"
#include "tests/scenarios/scenario.h"

namespace {

#define SHUFFLE_MOVES 300

// 1 when every picture buffer of the game has been given back.
bool pictures_released() {
    bool released = about_picture == nullptr && greenwin_picture == nullptr && bluewin_picture == nullptr &&
                    panel1_picture == nullptr && panel2_picture == nullptr && panel3_picture == nullptr &&
                    panel4_picture == nullptr && board_picture == nullptr && front_picture == nullptr &&
                    background_copy == nullptr;
    for (uint16_t *picture : piece_pictures) released &= picture == nullptr;
    return released;
}

// Index of the first recorded platform call of that name, or -1.
int first_call(const std::string &name) {
    const auto &calls = headless_calls();
    for (size_t i = 0; i < calls.size(); i++)
        if (calls[i] == name) return (int)i;
    return -1;
}

TEST(WholeGame, ComputerAgainstComputerPlaysToTheEndWithoutAnyTap) {
    start_device();
    headless_record_frames(false);
    start_game(0, 0, 0, 0);
    when([] { return game_over != 0; }, [] {
        EXPECT_GT(history_count, 0);
        tap_quit();
    });
    EXPECT_TRUE(run_scenario(60000).finished);
    EXPECT_EQ(quit_requested, 1);
}

TEST(WholeGame, AGameLongerThanTheHistoryStaysSoundAndTakeBackReachesTheOldestKeptMove) {
    start_device();
    headless_record_frames(false);
    start_game(2, 0, TIME_CONTROL_UNTIMED, 0);
    // Two people shuffle their queen's knights: b1-c3, b8-c6, c3-b1, c6-b8, ...
    static const int route[4][4] = {{1, 0, 2, 2}, {1, 7, 2, 5}, {2, 2, 1, 0}, {2, 5, 1, 7}};
    for (int move = 0; move < SHUFFLE_MOVES; move++) {
        const int *m = route[move % 4];
        when(awaiting_person, [=] { tap_square(m[0], m[1]); });
        when(always, [=] { tap_square(m[2], m[3]); });
    }
    when(awaiting_person, [] {
        EXPECT_LE(history_count, HISTORY_SIZE);
        EXPECT_GE(history_count, HISTORY_SIZE - 1);
        EXPECT_EQ(BoardMap[1 * 8 + 0], 10);
        EXPECT_EQ(move_counts[White] + move_counts[Black], SHUFFLE_MOVES);
    });
    for (int undo = 0; undo < HISTORY_SIZE; undo++) when(awaiting_person, [] {
            if (history_count > 0) tap_takeback();
        });
    when(awaiting_person, [] {
        // Back to the position after move 50, the oldest kept: knights on c3 and c6.
        EXPECT_EQ(history_count, 0);
        EXPECT_EQ(side_to_move, White);
        EXPECT_EQ(BoardMap[2 * 8 + 2], 10);
        EXPECT_EQ(BoardMap[2 * 8 + 5], 26);
        EXPECT_TRUE(board_shown());
    });
    EXPECT_TRUE(run_scenario(SCENARIO_FRAME_LIMIT * 2).finished);
}

TEST(WholeGame, QuitEndsTheLoopAndReleasesEveryPictureBeforeTheShellCloses) {
    start_device();
    start_game(1, 0, 1, 0);
    when(awaiting_person, [] { tap_quit(); });
    EXPECT_TRUE(run_scenario().finished);
    EXPECT_TRUE(pictures_released());
    EXPECT_GE(first_call("GXCloseDisplay"), 0);
    EXPECT_EQ(headless_open_file_count(), 0);
}

TEST(WholeGame, ACloseRequestEndsTheLoopLikeQuitEvenWhileTheComputerPlaysBothSides) {
    start_device();
    headless_record_frames(false);
    start_game(0, 0, TIME_CONTROL_UNTIMED, 0);
    static int close_frame = 0;
    when([] { return history_count > 6; }, [] {
        close_frame = headless_frame_count();
        headless_close();
    });
    when(never, [] {});  // only the close request can end this game
    ScenarioResult result = run_scenario();
    EXPECT_FALSE(result.limit_hit);
    EXPECT_LE(result.frames, close_frame + 3);
    EXPECT_TRUE(pictures_released());
    EXPECT_GE(first_call("GXCloseDisplay"), 0);
}

TEST(WholeGame, ACloseRequestOnTheTitleEndsTheLoop) {
    start_device();
    when(always, [] { headless_close(); });
    when(never, [] {});
    ScenarioResult result = run_scenario();
    EXPECT_FALSE(result.limit_hit);
    EXPECT_LT(result.frames, 10);
    EXPECT_TRUE(pictures_released());
}

}  // namespace
