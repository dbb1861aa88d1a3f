// The lower panel's sound cross and the clock strip, pixel by pixel.
#include <gtest/gtest.h>

#include <set>
#include <utility>

#include "engine/position.h"
#include "game/assets.h"
#include "game/board_view.h"
#include "game/clocks.h"
#include "game/game_state.h"
#include "graphics/draw.h"
#include "graphics/font.h"
#include "sound/sound.h"
#include "tests/game/game_frame.h"

namespace {

// The cross's pixels: six diagonal strokes of 16 points over the speaker corner, of which the
// one point at x = 240 lies outside the frame.
std::set<std::pair<int, int>> cross_pixels() {
    std::set<std::pair<int, int>> points;
    for (int i = 0; i < 16; i++) {
        points.insert({222 + i, 303 + i});
        points.insert({238 - i, 303 + i});
        points.insert({223 + i, 303 + i});
        points.insert({239 - i, 303 + i});
        points.insert({224 + i, 303 + i});
        if (240 - i < FRAME_WIDTH) points.insert({240 - i, 303 + i});
    }
    return points;
}

TEST(LowerPanel, SilenceDrawsExactlyTheRedCrossAndSoundOnDrawsThePanelAlone) {
    GameFrame game;
    sound_enabled = 0;
    draw_lower_panel();
    std::set<std::pair<int, int>> cross = cross_pixels();
    for (int y = LOWER_PANEL_TOP; y < FRAME_HEIGHT; y++)
        for (int x = 0; x < FRAME_WIDTH; x++)
            ASSERT_EQ(game.pixel(x, y), cross.count({x, y}) ? 0xF800 : 0x3333) << x << "," << y;
    sound_enabled = 1;
    draw_lower_panel();
    for (int y = LOWER_PANEL_TOP; y < FRAME_HEIGHT; y++)
        for (int x = 0; x < FRAME_WIDTH; x++) ASSERT_EQ(game.pixel(x, y), 0x3333);
}

// The strip as draw_clocks should leave it for the given text, active side and colours.
std::vector<uint16_t> expected_strip(const char *text, int active) {
    std::vector<uint16_t> strip(FRAME_WIDTH * FRAME_HEIGHT, 0);
    for (int y = 240; y < 260; y++)
        for (int x = 0; x < FRAME_WIDTH; x++)
            strip[(size_t)(y * FRAME_WIDTH + x)] = x < 120 ? (active == White ? 0x03E0 : 0x01E0) : (active == Black ? 0x000F : 0x0007);
    if (text) {
        print_text_into(text, 11, 248, 0x0000, strip.data());
        print_text_into(text, 10, 247, 0xFFFF, strip.data());
    }
    int left = active == White ? 0 : 120;
    for (int inset = 0; inset < 2; inset++) {
        for (int x = left + inset; x <= left + 119 - inset; x++) {
            strip[(size_t)((240 + inset) * FRAME_WIDTH + x)] = 0xFFFF;
            strip[(size_t)((259 - inset) * FRAME_WIDTH + x)] = 0xFFFF;
        }
        for (int y = 240 + inset; y <= 259 - inset; y++) {
            strip[(size_t)(y * FRAME_WIDTH + left + inset)] = 0xFFFF;
            strip[(size_t)(y * FRAME_WIDTH + left + 119 - inset)] = 0xFFFF;
        }
    }
    return strip;
}

// 1 when rows 240-259 of the frame equal the expected strip.
bool strip_shown(const GameFrame &game, const std::vector<uint16_t> &strip) {
    for (int y = 240; y < 260; y++)
        for (int x = 0; x < FRAME_WIDTH; x++)
            if (game.pixel(x, y) != strip[(size_t)(y * FRAME_WIDTH + x)]) return false;
    return true;
}

TEST(Clocks, SecondsAreTwoDigitsAndUnderASecondShowsZeroWhileTheGameGoesOn) {
    GameFrame game;
    side_to_move = Black;
    promotion_pending = 0;
    game_over = 0;
    time_control = 1;
    time_budget[White] = time_budget[Black] = 120000;
    time_used[White] = 120000 - 61000;
    time_used[Black] = 120000 - 999;
    draw_clocks();
    EXPECT_EQ(game_over, 0);
    EXPECT_TRUE(strip_shown(game, expected_strip("    1:01            0:00", Black)));
}

TEST(Clocks, DuringAPromotionTheStripMarksThePromotingSideAndUntimedShowsNoFigures) {
    GameFrame game;
    side_to_move = Black;
    promotion_pending = 1;
    game_over = 0;
    time_control = TIME_CONTROL_UNTIMED;
    time_budget[White] = time_budget[Black] = 300000;
    time_used[White] = time_used[Black] = 400000;
    draw_clocks();
    EXPECT_EQ(game_over, 0);
    EXPECT_TRUE(strip_shown(game, expected_strip(nullptr, White)));
    promotion_pending = 0;
}

TEST(Clocks, WhenBothClocksRunOutTogetherWhiteIsTheWinner) {
    GameFrame game;
    side_to_move = White;
    game_over = 0;
    time_control = 0;
    time_budget[White] = time_budget[Black] = 60000;
    time_used[White] = 60500;
    time_used[Black] = 70000;
    draw_clocks();
    EXPECT_EQ(game_over, 1);
    EXPECT_EQ(time_used[White], 60000);
    EXPECT_EQ(time_used[Black], 60000);
    EXPECT_TRUE(strip_shown(game, expected_strip("    0:00            0:00", White)));
}

}  // namespace
