// Sprites: the table of first opaque columns, clipping at every edge, mirroring, blending and
// silhouettes, and the sprites that draw nothing.
#include <gtest/gtest.h>

#include <vector>

#include "graphics/draw.h"
#include "graphics/sprite.h"
#include "tests/graphics/guarded_frame.h"

namespace {

class SpriteTest : public ::testing::Test {
protected:
    GuardedFrame frame;
    Sprite sprite;
    std::vector<uint16_t> pixels;
    void SetUp() override {
        sprite_target = frame.frame();
        sprite_init_empty(&sprite);
    }
    void TearDown() override {
        sprite_release(&sprite);
        EXPECT_TRUE(frame.guards_intact());
        sprite_target = nullptr;
    }
    // A solid width x height sprite whose pixel (j, r) is 1 + j + 100 r, placed at (x, y).
    void make(int width, int height, int x, int y) {
        pixels.assign(width * height, 0);
        for (int r = 0; r < height; r++) {
            for (int j = 0; j < width; j++) pixels[r * width + j] = (uint16_t)(1 + j + 100 * r);
        }
        sprite_init(&sprite, width, height, width, pixels.data());
        sprite.x = x;
        sprite.y = y;
    }
};

TEST_F(SpriteTest, ConstructionRecordsEachRowsFirstOpaqueColumn) {
    pixels = {0, 0, 5, 0, /**/ 0, 0, 0, 0, /**/ 7, 0, 0, 0};
    sprite_init(&sprite, 4, 3, 4, pixels.data());
    EXPECT_EQ(sprite.x, 50);
    EXPECT_EQ(sprite.y, 50);
    EXPECT_EQ(sprite.flags, 0u);
    EXPECT_EQ(sprite.row_start[0], 2);
    EXPECT_EQ(sprite.row_start[1], 4);
    EXPECT_EQ(sprite.row_start[2], 0);
    sprite_draw(&sprite);
    EXPECT_EQ(frame.lit().size(), 2u);
    EXPECT_EQ(frame.at(52, 50), 5);
    EXPECT_EQ(frame.at(50, 52), 7);
}


TEST_F(SpriteTest, RightAndBottomEdgesStopBeforeTheLastColumnAndRow) {
    make(20, 20, 230, 310);
    sprite_draw(&sprite);
    EXPECT_EQ(frame.lit().size(), 9u * 9u);
    EXPECT_EQ(frame.at(238, 318), 1 + 8 + 800);
    EXPECT_EQ(frame.at(239, 310), 0);
}

TEST_F(SpriteTest, LeftAndTopEdgesSkipTheHiddenPart) {
    make(8, 8, -5, -2);
    sprite_draw(&sprite);
    EXPECT_EQ(frame.lit().size(), 3u * 6u);
    EXPECT_EQ(frame.at(0, 0), 1 + 5 + 200);  // the sixth column of the third row
}

TEST_F(SpriteTest, LeadingTransparentRunsAreSkippedUnderClipping) {
    pixels = {0, 0, 0, 4, 5, /**/ 6, 0, 0, 0, 0};
    sprite_init(&sprite, 5, 2, 5, pixels.data());
    sprite.x = -2;
    sprite.y = 0;
    sprite_draw(&sprite);
    EXPECT_EQ(frame.at(1, 0), 4);
    EXPECT_EQ(frame.at(2, 0), 5);
    EXPECT_EQ(frame.lit().size(), 2u);
}

TEST_F(SpriteTest, SpritesOffScreenOrHiddenDrawNothing) {
    make(10, 10, -10, 5);
    sprite_draw(&sprite);
    sprite.x = 239;
    sprite_draw(&sprite);
    sprite.x = 5;
    sprite.y = 319;
    sprite_draw(&sprite);
    sprite.y = -10;
    sprite_draw(&sprite);
    sprite.y = 5;
    sprite.flags = SPRITE_HIDDEN;
    sprite_draw(&sprite);
    sprite.x = 2147483647;
    sprite.flags = 0;
    sprite_draw(&sprite);
    EXPECT_TRUE(frame.lit().empty());
}

TEST_F(SpriteTest, MirroringReversesTheVisibleSpan) {
    make(4, 1, 10, 0);
    sprite.flags = SPRITE_MIRROR;
    sprite_draw(&sprite);
    EXPECT_EQ(frame.at(13, 0), 1);
    EXPECT_EQ(frame.at(10, 0), 4);
    sprite.x = 237;  // clipped to columns 237..238: the visible part is mirrored within itself
    sprite.y = 5;
    sprite_draw(&sprite);
    EXPECT_EQ(frame.at(238, 5), 1);
    EXPECT_EQ(frame.at(237, 5), 2);
    EXPECT_EQ(frame.lit().size(), 6u);
}

TEST_F(SpriteTest, BlendAddsOntoTheTarget) {
    pixels = {0x0010, 0xF800};
    sprite_init(&sprite, 2, 1, 2, pixels.data());
    frame.frame()[50 * FRAME_WIDTH + 50] = 0x0010;
    frame.frame()[50 * FRAME_WIDTH + 51] = 0x0801;
    sprite.flags = SPRITE_BLEND | SPRITE_SILHOUETTE;  // blending wins
    sprite_draw(&sprite);
    EXPECT_EQ(frame.at(50, 50), 0x001F);
    EXPECT_EQ(frame.at(51, 50), 0xF801);
}

TEST_F(SpriteTest, SilhouettesStampOneColour) {
    pixels = {3, 0, 4};
    sprite_init(&sprite, 3, 1, 3, pixels.data());
    sprite.flags = SPRITE_SILHOUETTE;
    sprite_draw(&sprite);
    EXPECT_EQ(frame.at(50, 50), 0xFFFF);
    EXPECT_EQ(frame.at(51, 50), 0);
    sprite.flags = SPRITE_SILHOUETTE | SPRITE_MIRROR;
    sprite.y = 60;
    sprite_draw(&sprite);
    EXPECT_EQ(frame.at(52, 60), 0x00FF);
    EXPECT_EQ(frame.at(50, 60), 0x00FF);
}

TEST_F(SpriteTest, EmptyAndDegenerateSpritesDrawNothing) {
    sprite_init_empty(&sprite);
    EXPECT_EQ(sprite.row_start, nullptr);
    EXPECT_EQ(sprite.x, 50);
    sprite_draw(&sprite);
    pixels = {1};
    sprite_init(&sprite, 1, -3, 1, pixels.data());
    sprite_draw(&sprite);
    sprite_release(&sprite);
    sprite_init(&sprite, -1, 1, 1, pixels.data());
    sprite_draw(&sprite);
    EXPECT_TRUE(frame.lit().empty());
}

}  // namespace
