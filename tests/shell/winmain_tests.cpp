// Start-up and shut-down through WinMain on the test device, with the test's own run_game. Taps
// through the frames and a close that ends the loop are the scenarios' whole games.
#include <gtest/gtest.h>

#include "game/main_loop.h"
#include "graphics/font.h"
#include "platform/headless/headless.h"
#include "shell/shell.h"

namespace {

int game_runs = 0;  // how many times run_game has been entered

using Calls = std::vector<std::string>;

// The calls set_full_screen makes, on the window or not.
const Calls FULL_SCREEN = {"GetWindowRect", "FindWindowW", "SHFullScreen", "ShowWindow", "MoveWindow"};

// Joins lists of calls in order.
Calls join(std::initializer_list<Calls> parts) {
    Calls all;
    for (const Calls &part : parts) all.insert(all.end(), part.begin(), part.end());
    return all;
}

// Starts the program on a fresh device with a game that ends at once.
int start() {
    game_runs = 0;
    return WinMain(nullptr, nullptr, nullptr, SW_SHOW);
}

// Whether start-up's resources have all been given back.
void expect_released() {
    EXPECT_EQ(BackBuffer, nullptr);
    EXPECT_EQ(glyph_rows[GLYPH_COUNT - 1][GLYPH_ROWS - 1], nullptr);
    EXPECT_TRUE(device_taskbar_visible());
    const Calls &calls = headless_calls();
    ASSERT_GE(calls.size(), 2u);
    EXPECT_EQ(Calls(calls.end() - 2, calls.end()), (Calls{"GXCloseInput", "GXCloseDisplay"}));
}

}  // namespace

// The tests' stand-in for the game: counts its calls.
void run_game() { ++game_runs; }

TEST(WinMain, StartsAndEndsInItsOrder) {
    headless_reset();
    EXPECT_EQ(start(), 0);
    EXPECT_EQ(game_runs, 1);
    Calls expected = join({{"FindWindowW", "GXOpenDisplay", "GXOpenInput", "GXGetDefaultKeys",
                            "GXGetDisplayProperties"},
                           FULL_SCREEN,
                           {"LoadIconW", "GetStockObject", "RegisterClassW", "CreateWindowExW"},
                           FULL_SCREEN,  // WM_CREATE, before the handle is known
                           {"ShowWindow", "UpdateWindow"},
                           FULL_SCREEN,
                           {"GXCloseInput", "GXCloseDisplay"}});
    EXPECT_EQ(headless_calls(), expected);
    expect_released();
}

TEST(WinMain, ASecondStartShowsTheFirstAndTouchesNothingElse) {
    headless_reset();
    headless_set_other_instance(true);
    EXPECT_EQ(start(), 0);
    EXPECT_EQ(game_runs, 0);
    EXPECT_TRUE(headless_other_instance_shown());
    EXPECT_EQ(headless_calls(), (Calls{"FindWindowW", "ShowWindow"}));
}

TEST(WinMain, FailedRegistrationOrWindowCreationUndoesStartUp) {
    for (void (*fail)(bool) : {device_refuse_class, device_refuse_window}) {
        headless_reset();
        fail(true);
        EXPECT_EQ(start(), 0);
        EXPECT_EQ(game_runs, 0);
        expect_released();
    }
}
