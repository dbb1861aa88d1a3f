// The game's drawing on a test frame, pixel by pixel and without starting WinMain: the title's
// texture walk at chosen angles and the clock strip. (The lower panel's sound cross is drawn in
// the recorded sessions; its lines' clipping is the primitives'.)
#include <gtest/gtest.h>

#include <vector>

#include "engine/position.h"
#include "game/assets.h"
#include "game/board_view.h"
#include "game/clocks.h"
#include "game/game_state.h"
#include "game/title.h"
#include "graphics/draw.h"
#include "graphics/font.h"

namespace {

// A frame and the pictures these drawings read, each filled with a plain value (never the key).
class GameDrawing : public ::testing::Test {
protected:
    std::vector<uint16_t> pixels = std::vector<uint16_t>(FRAME_WIDTH * FRAME_HEIGHT, 0);
    std::vector<uint16_t> board = std::vector<uint16_t>(BOARD_SIZE * BOARD_SIZE, 0x6666);
    std::vector<uint16_t> front = std::vector<uint16_t>(BOARD_SIZE * BOARD_SIZE, 0x7777);
    void SetUp() override {
        build_font();
        draw_target = frame = pixels.data();
        board_picture = board.data();
        front_picture = front.data();
    }
    void TearDown() override {
        release_font();
        board_picture = front_picture = nullptr;
    }
    uint16_t pixel(int x, int y) const { return pixels[(size_t)(y * FRAME_WIDTH + x)]; }
};

// Texel of the board at a column and row; every texel differs from its neighbours and the key.
uint16_t texel(int column, int row) { return (uint16_t)(row * 256 + column); }

TEST_F(GameDrawing, AtAQuarterTurnTheTitleBoardIsHalfSizeTurnedAndWrapsWhereUPassesBelowZero) {
    // A title of windows only (save one pixel) over a numbered board, below it a marked strip.
    for (int i = 0; i < BOARD_SIZE * BOARD_SIZE; i++) {
        board[(size_t)i] = texel(i % BOARD_SIZE, i / BOARD_SIZE);
        front[(size_t)i] = KEY_COLOUR;
    }
    front[5 * BOARD_SIZE + 7] = 0x1234;
    std::fill(pixels.begin() + BOARD_SIZE * FRAME_WIDTH, pixels.end(), 0xABCD);
    spin_angle = 90;
    sway_angle_u = sway_angle_v = 0;
    title_frame();
    // Sway 50 and 105 texels; u starts at 356 texels and falls 2 per row, v starts at 46 and
    // grows 2 per pixel along a row.
    EXPECT_EQ(pixel(0, 0), texel(114, 46));
    EXPECT_EQ(pixel(1, 0), texel(114, 48));
    EXPECT_EQ(pixel(0, 1), texel(112, 46));
    EXPECT_EQ(pixel(7, 5), 0x1234);
    // Row 176 brings u to 0 texels; below that it wraps round 2^32, and 2^24 texels leave 16
    // when divided by 240: row 200 shows column 210, not 194.
    EXPECT_EQ(pixel(0, 176), texel(2, 46));
    EXPECT_EQ(pixel(0, 200), texel(210, 46));
    EXPECT_EQ(spin_angle * 10000 + sway_angle_u * 100 + sway_angle_v, 920203);  // 92, 2, 3
    // Angles of 358 wrap to 0; the lower strip is never touched.
    spin_angle = sway_angle_u = 358;
    sway_angle_v = 357;
    title_frame();
    EXPECT_EQ(spin_angle + sway_angle_u + sway_angle_v, 0);
    for (int y = BOARD_SIZE; y < FRAME_HEIGHT; y++)
        for (int x = 0; x < FRAME_WIDTH; x++) ASSERT_EQ(pixel(x, y), 0xABCD);
}

// The strip as draw_clocks should leave it for the given text and framed side.
std::vector<uint16_t> expected_strip(const char *text, int active) {
    std::vector<uint16_t> strip(FRAME_WIDTH * FRAME_HEIGHT, 0);
    int left = active == White ? 0 : 120;
    for (int y = 240; y < 260; y++) {
        for (int x = 0; x < FRAME_WIDTH; x++) {
            bool framed = x >= left && x < left + 120 &&
                          (x < left + 2 || x >= left + 118 || y < 242 || y >= 258);
            uint16_t ground = x < 120 ? (active == White ? 0x03E0 : 0x01E0)
                                      : (active == Black ? 0x000F : 0x0007);
            strip[(size_t)(y * FRAME_WIDTH + x)] = framed ? 0xFFFF : ground;
        }
    }
    if (text) {
        print_text_into(text, 11, 248, 0x0000, strip.data());
        print_text_into(text, 10, 247, 0xFFFF, strip.data());
    }
    return strip;
}

TEST_F(GameDrawing, ClockStripTextsFramesAndTimeOuts) {
    const struct {
        int to_move, promoting, control, budget, white_used, black_used;
        const char *text;
        int framed, game_over, white_after, black_after;
    } cases[] = {
        // Seconds are two digits; under a second shows 0:00 while the game goes on.
        {Black, 0, 1, 120000, 120000 - 61000, 120000 - 999, "    1:01            0:00", Black, 0, 59000, 119001},
        // During a promotion the promoting side is framed; untimed shows no figures, no time-out.
        {Black, 1, TIME_CONTROL_UNTIMED, 300000, 400000, 400000, nullptr, White, 0, 400000, 400000},
        // When both clocks run out together White is the winner.
        {White, 0, 0, 60000, 60500, 70000, "    0:00            0:00", White, 1, 60000, 60000},
    };
    for (const auto &c : cases) {
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
            ASSERT_EQ(pixels[(size_t)i], strip[(size_t)i]) << c.framed << " at " << i;
    }
    promotion_pending = 0;
}

}  // namespace
