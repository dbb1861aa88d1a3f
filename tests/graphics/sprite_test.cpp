// Sprites: the table of first opaque columns, clipping at every edge, mirroring, blending and
// silhouettes, and the sprites that draw nothing.
#include <gtest/gtest.h>

#include <climits>
#include <vector>

#include "tests/graphics/guarded_frame.h"

namespace {

const std::vector<uint16_t> INKED_ROWS = {0, 0, 5, 0, /**/ 0, 0, 0, 0, /**/ 7, 0, 0, 0};  // 4 x 3

const struct {
    const char *what;
    int width, height;
    std::vector<uint16_t> pixels;  // empty: solid, pixel (j, r) = 1 + j + 100 r
    int x, y;
    uint32_t flags;
    long count;  // pixels drawn
    std::vector<Sample> samples;
} SPRITES[] = {
    {"rows start at their first ink", 4, 3, INKED_ROWS, 50, 50, 0, 2, {{52, 50, 5}, {50, 52, 7}}},
    {"the right and bottom edges drop the last column and row", 20, 20, {}, 230, 310, 0, 9 * 9,
     {{238, 318, 1 + 8 + 800}, {239, 310, 0}}},
    {"the left and top edges skip the hidden part", 8, 8, {}, -5, -2, 0, 3 * 6, {{0, 0, 1 + 5 + 200}}},
    {"leading transparency under clipping", 5, 2, {0, 0, 0, 4, 5, 0, 6, 7, 0, 0}, -2, 0, 0, 3,
     {{1, 0, 4}, {2, 0, 5}, {0, 1, 7}}},
    {"wholly left", 10, 10, {}, -10, 5, 0, 0, {}},
    {"at the last column", 10, 10, {}, 239, 5, 0, 0, {}},
    {"far right", 10, 10, {}, INT_MAX, 5, 0, 0, {}},
    {"hidden", 10, 10, {}, 5, 5, SPRITE_HIDDEN, 0, {}},
    {"negative height", 1, -3, {1}, 5, 5, 0, 0, {}},
    {"negative width", -1, 1, {1}, 5, 5, 0, 0, {}},
    {"mirroring reverses the row", 4, 1, {}, 10, 0, SPRITE_MIRROR, 4, {{13, 0, 1}, {10, 0, 4}}},
    {"a clipped mirror reverses what shows", 4, 1, {}, 237, 5, SPRITE_MIRROR, 2, {{238, 5, 1}, {237, 5, 2}}},
    {"a silhouette stamps white", 3, 1, {3, 0, 4}, 50, 50, SPRITE_SILHOUETTE, 2, {{50, 50, 0xFFFF}, {51, 50, 0}}},
    {"a mirrored silhouette stamps 0x00FF", 3, 1, {3, 0, 4}, 50, 60, SPRITE_SILHOUETTE | SPRITE_MIRROR, 2,
     {{52, 60, 0x00FF}, {50, 60, 0x00FF}}},
};

class SpriteTest : public FrameTest {
protected:
    Sprite sprite;
    std::vector<uint16_t> pixels;
    void SetUp() override { FrameTest::SetUp(); sprite_init_empty(&sprite); }
    void TearDown() override { sprite_release(&sprite); FrameTest::TearDown(); }
};

TEST_F(SpriteTest, EachSpriteDrawsExactlyItsVisiblePixels) {
    for (const auto &c : SPRITES) {
        SCOPED_TRACE(c.what);
        clear_frame(0);
        pixels = c.pixels;
        for (int i = 0; c.pixels.empty() && i < c.width * c.height; i++) pixels.push_back(uint16_t(1 + i % c.width + i / c.width * 100));
        sprite_release(&sprite);
        sprite_init(&sprite, c.width, c.height, c.width > 0 ? c.width : 1, pixels.data());
        sprite.x = c.x;
        sprite.y = c.y;
        sprite.flags = c.flags;
        sprite_draw(&sprite);
        expect_frame(c.count, c.samples);
    }
}

TEST_F(SpriteTest, AnEmptySpriteDrawsNothingAndBlendAddsOntoTheTargetOverSilhouette) {
    sprite_draw(&sprite);
    EXPECT_EQ(frame.lit(), 0);
    pixels = {0x0010, 0xF800};
    sprite_init(&sprite, 2, 1, 2, pixels.data());
    frame.frame()[50 * FRAME_WIDTH + 50] = 0x0010;
    frame.frame()[50 * FRAME_WIDTH + 51] = 0x0801;
    sprite.flags = SPRITE_BLEND | SPRITE_SILHOUETTE;
    sprite_draw(&sprite);
    expect_frame(2, {{50, 50, 0x001F}, {51, 50, 0xF801}});
}

}  // namespace
