// The lower panel's sound cross and the clock strip, pixel by pixel.
#include <gtest/gtest.h>

#include <vector>

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

// 1 when (x, y) lies on the cross: six diagonal strokes of 16 points over the speaker corner.
bool on_cross(int x, int y) {
    int i = y - 303;
    return i >= 0 && i < 16 && ((x - i >= 222 && x - i <= 224) || (x + i >= 238 && x + i <= 240));
}

TEST(LowerPanel, SilenceDrawsExactlyTheRedCrossAndSoundOnDrawsThePanelAlone) {
    GameFrame game;
    for (int enabled = 0; enabled < 2; enabled++) {
        sound_enabled = (uint8_t)enabled;
        draw_lower_panel();
        for (int y = LOWER_PANEL_TOP; y < FRAME_HEIGHT; y++)
            for (int x = 0; x < FRAME_WIDTH; x++)
                ASSERT_EQ(game.pixel(x, y), !enabled && on_cross(x, y) ? 0xF800 : 0x3333) << x << "," << y;
    }
}

// The strip as draw_clocks should leave it for the given text and framed side.
std::vector<uint16_t> expected_strip(const char *text, int active) {
    std::vector<uint16_t> strip(FRAME_WIDTH * FRAME_HEIGHT, 0);
    int left = active == White ? 0 : 120;
    for (int y = 240; y < 260; y++) {
        for (int x = 0; x < FRAME_WIDTH; x++) {
            bool framed = x >= left && x < left + 120 && (x < left + 2 || x >= left + 118 || y < 242 || y >= 258);
            uint16_t ground = x < 120 ? (active == White ? 0x03E0 : 0x01E0) : (active == Black ? 0x000F : 0x0007);
            strip[(size_t)(y * FRAME_WIDTH + x)] = framed ? 0xFFFF : ground;
        }
    }
    if (text) {
        print_text_into(text, 11, 248, 0x0000, strip.data());
        print_text_into(text, 10, 247, 0xFFFF, strip.data());
    }
    return strip;
}

// A clock position: whose turn, promotion open, time control, budgets and charges, and the
// outcome expected.
struct ClockCase {
    int to_move, promoting, control, budget, white_used, black_used;
    const char *text;
    int framed, game_over, white_after, black_after;
};

TEST(Clocks, StripTextsFramesAndTimeOuts) {
    const ClockCase cases[] = {
        // Seconds are two digits; under a second shows 0:00 while the game goes on.
        {Black, 0, 1, 120000, 120000 - 61000, 120000 - 999, "    1:01            0:00", Black, 0, 59000, 119001},
        // During a promotion the promoting side is framed; untimed shows no figures, no time-out.
        {Black, 1, TIME_CONTROL_UNTIMED, 300000, 400000, 400000, nullptr, White, 0, 400000, 400000},
        // When both clocks run out together White is the winner.
        {White, 0, 0, 60000, 60500, 70000, "    0:00            0:00", White, 1, 60000, 60000},
    };
    for (const ClockCase &c : cases) {
        GameFrame game;
        side_to_move = c.to_move;
        promotion_pending = (uint8_t)c.promoting;
        game_over = 0;
        time_control = (uint8_t)c.control;
        time_budget[White] = time_budget[Black] = c.budget;
        time_used[White] = c.white_used;
        time_used[Black] = c.black_used;
        draw_clocks();
        EXPECT_EQ(game_over, c.game_over);
        EXPECT_EQ(time_used[White], c.white_after);
        EXPECT_EQ(time_used[Black], c.black_after);
        std::vector<uint16_t> strip = expected_strip(c.text, c.framed);
        for (int i = 240 * FRAME_WIDTH; i < 260 * FRAME_WIDTH; i++)
            ASSERT_EQ(game.pixel(i % FRAME_WIDTH, i / FRAME_WIDTH), strip[(size_t)i]) << c.framed << " at " << i;
    }
    promotion_pending = 0;
}

}  // namespace
