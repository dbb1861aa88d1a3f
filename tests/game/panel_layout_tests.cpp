// The lower panel's buttons as the game tests taps against them: no two share a pixel, and taps
// beyond the screen's right or bottom edge land on the buttons along that edge, as the game has
// always taken them.
#include <gtest/gtest.h>

#include "game/panel_layout.h"

TEST(PanelLayout, NoTwoButtonsShareAPixelAndTapsBeyondTheRightAndBottomEdgesLandOnTheButtonsThere) {
    const ScreenRect buttons[] = {MENU_BUTTON, TAKE_BACK_BUTTON, QUIT_BUTTON, ABOUT_BUTTON, SOUND_BUTTON};
    for (int y = 240; y <= PANEL_BOTTOM + 20; ++y)
        for (int x = 0; x <= PANEL_RIGHT + 20; ++x) {
            int hits = 0;
            for (const ScreenRect &b : buttons) hits += panel_button_hit(b, x, y);
            EXPECT_LE(hits, 1) << x << ", " << y;
        }
    EXPECT_TRUE(panel_button_hit(SOUND_BUTTON, 240, 319));
    EXPECT_TRUE(panel_button_hit(SOUND_BUTTON, 65535, 65535));
    EXPECT_TRUE(panel_button_hit(QUIT_BUTTON, 60, 400));
    EXPECT_TRUE(panel_button_hit(ABOUT_BUTTON, 167, 320));
    EXPECT_FALSE(panel_button_hit(QUIT_BUTTON, 90, 400));
    EXPECT_FALSE(panel_button_hit(MENU_BUTTON, 60, 400));
    EXPECT_FALSE(panel_button_hit(TAKE_BACK_BUTTON, 400, 275));
}
