// The title screen's texture walk at chosen angles, checked pixel by pixel.
#include <gtest/gtest.h>

#include "game/assets.h"
#include "game/title.h"
#include "graphics/draw.h"
#include "tests/game/game_frame.h"

namespace {

// A board texture whose every texel differs from its neighbours and from the key colour.
void number_the_texels() {
    for (int row = 0; row < BOARD_SIZE; row++)
        for (int column = 0; column < BOARD_SIZE; column++) board_picture[row * BOARD_SIZE + column] = (uint16_t)(row * 256 + column);
}

// Texel of the board at a column and row.
uint16_t texel(int column, int row) { return board_picture[row * BOARD_SIZE + column]; }

TEST(TitleWalk, AtAQuarterTurnTheBoardIsHalfSizeTurnedAndWrapsWhereUPassesBelowZero) {
    GameFrame game;
    number_the_texels();
    for (int i = 0; i < BOARD_SIZE * BOARD_SIZE; i++) front_picture[i] = KEY_COLOUR;
    front_picture[5 * BOARD_SIZE + 7] = 0x1234;  // one title pixel that is not a window
    spin_angle = 90;
    sway_angle_u = 0;
    sway_angle_v = 0;
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
    EXPECT_EQ(spin_angle, 92);
    EXPECT_EQ(sway_angle_u, 2);
    EXPECT_EQ(sway_angle_v, 3);
}

TEST(TitleWalk, TheLowerStripIsNeverTouchedAndAngles358WrapToZero) {
    GameFrame game;
    number_the_texels();
    for (int i = 0; i < BOARD_SIZE * BOARD_SIZE; i++) front_picture[i] = KEY_COLOUR;
    for (int i = BOARD_SIZE * FRAME_WIDTH; i < FRAME_WIDTH * FRAME_HEIGHT; i++) frame[i] = 0xABCD;
    spin_angle = 358;
    sway_angle_u = 358;
    sway_angle_v = 357;
    title_frame();
    EXPECT_EQ(spin_angle, 0);
    EXPECT_EQ(sway_angle_u, 0);
    EXPECT_EQ(sway_angle_v, 0);
    for (int y = BOARD_SIZE; y < FRAME_HEIGHT; y++)
        for (int x = 0; x < FRAME_WIDTH; x++) ASSERT_EQ(game.pixel(x, y), 0xABCD);
}

}  // namespace
