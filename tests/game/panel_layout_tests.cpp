// The lower panel's buttons as the game tests taps against them: each takes exactly its
// rectangle, no two share a pixel, and taps beyond the screen's right or bottom edge land on
// the buttons along that edge, as the game has always taken them.
#include <gtest/gtest.h>

#include "game/panel_layout.h"

namespace {

const ScreenRect BUTTONS[] = {MENU_BUTTON, TAKE_BACK_BUTTON, QUIT_BUTTON, ABOUT_BUTTON, SOUND_BUTTON};

}  // namespace

TEST(PanelLayout, EachButtonTakesItsRectangleAndNoOtherButtonsPixels) {
    for (int y = 240; y <= PANEL_BOTTOM; ++y)
        for (int x = 0; x <= PANEL_RIGHT; ++x) {
            int hits = 0;
            for (const ScreenRect &b : BUTTONS) {
                bool inside = x >= b.x0 && x <= b.x1 && y >= b.y0 && y <= b.y1;
                EXPECT_EQ(panel_button_hit(b, x, y), inside) << x << ", " << y;
                hits += inside;
            }
            EXPECT_LE(hits, 1) << x << ", " << y;
        }
}

TEST(PanelLayout, TapsBeyondTheRightAndBottomEdgesLandOnTheButtonsThere) {
    EXPECT_TRUE(panel_button_hit(SOUND_BUTTON, 240, 319));
    EXPECT_TRUE(panel_button_hit(SOUND_BUTTON, 65535, 65535));
    EXPECT_TRUE(panel_button_hit(QUIT_BUTTON, 60, 400));
    EXPECT_TRUE(panel_button_hit(ABOUT_BUTTON, 167, 320));
    EXPECT_FALSE(panel_button_hit(QUIT_BUTTON, 90, 400));
    EXPECT_FALSE(panel_button_hit(MENU_BUTTON, 60, 400));
    EXPECT_FALSE(panel_button_hit(TAKE_BACK_BUTTON, 400, 275));
}
