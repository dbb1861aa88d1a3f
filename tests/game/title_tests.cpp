// The title screen's texture walk at chosen angles, checked pixel by pixel.
#include <gtest/gtest.h>

#include "game/assets.h"
#include "game/title.h"
#include "graphics/draw.h"
#include "tests/game/game_frame.h"

namespace {

// Texel of the board at a column and row; every texel differs from its neighbours and the key.
uint16_t texel(int column, int row) { return (uint16_t)(row * 256 + column); }

// A title of windows only (save one pixel), over a numbered board, below it a marked strip.
void prepare_title() {
    for (int i = 0; i < BOARD_SIZE * BOARD_SIZE; i++) {
        board_picture[i] = texel(i % BOARD_SIZE, i / BOARD_SIZE);
        front_picture[i] = KEY_COLOUR;
    }
    front_picture[5 * BOARD_SIZE + 7] = 0x1234;
    for (int i = BOARD_SIZE * FRAME_WIDTH; i < FRAME_WIDTH * FRAME_HEIGHT; i++) frame[i] = 0xABCD;
}

TEST(TitleWalk, AtAQuarterTurnTheBoardIsHalfSizeTurnedAndWrapsWhereUPassesBelowZero) {
    GameFrame game;
    prepare_title();
    spin_angle = 90;
    sway_angle_u = sway_angle_v = 0;
    title_frame();
    // Sway 50 and 105 texels; u starts at 356 texels and falls 2 per row, v starts at 46 and
    // grows 2 per pixel along a row.
    EXPECT_EQ(game.pixel(0, 0), texel(114, 46));
    EXPECT_EQ(game.pixel(1, 0), texel(114, 48));
    EXPECT_EQ(game.pixel(0, 1), texel(112, 46));
    EXPECT_EQ(game.pixel(7, 5), 0x1234);
    // Row 176 brings u to 0 texels; below that it wraps round 2^32, and 2^24 texels leave 16
    // when divided by 240: row 200 shows column 210, not 194.
    EXPECT_EQ(game.pixel(0, 176), texel(2, 46));
    EXPECT_EQ(game.pixel(0, 200), texel(210, 46));
    EXPECT_EQ(spin_angle * 10000 + sway_angle_u * 100 + sway_angle_v, 920203);  // 92, 2, 3
    // Angles of 358 wrap to 0; the lower strip is never touched.
    spin_angle = sway_angle_u = 358;
    sway_angle_v = 357;
    title_frame();
    EXPECT_EQ(spin_angle + sway_angle_u + sway_angle_v, 0);
    for (int y = BOARD_SIZE; y < FRAME_HEIGHT; y++)
        for (int x = 0; x < FRAME_WIDTH; x++) ASSERT_EQ(game.pixel(x, y), 0xABCD);
}

}  // namespace
