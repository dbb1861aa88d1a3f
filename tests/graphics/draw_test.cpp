// The primitives: exact shapes inside the frame, lines' end points and the cases that draw
// nothing, the additive and 2-bit XOR families, and clipping at the frame's edges.
#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <utility>

#include "graphics/draw.h"
#include "tests/graphics/guarded_frame.h"

namespace {

typedef std::set<std::pair<int, int>> Points;

class DrawTest : public ::testing::Test {
protected:
    GuardedFrame frame;
    void SetUp() override { draw_target = frame.frame(); }
    void TearDown() override {
        EXPECT_TRUE(frame.guards_intact());
        draw_target = nullptr;
    }
    Points lit() {
        std::vector<std::pair<int, int>> points = frame.lit();
        return Points(points.begin(), points.end());
    }
};

Points diagonal(int x, int y, int dx, int count) {
    Points points;
    for (int i = 0; i < count; i++) points.insert({x + dx * i, y + i});
    return points;
}

TEST_F(DrawTest, SpansCoverLengthPlusOnePixels) {
    draw_hline(10, 5, 0, 1);
    EXPECT_EQ(lit(), (Points{{10, 5}}));
    draw_hline(20, 5, -1, 1);
    draw_vline(20, 5, -1, 1);
    EXPECT_EQ(lit().size(), 1u);
    draw_vline(30, 40, 2, 0x1234);
    EXPECT_EQ(lit(), (Points{{10, 5}, {30, 40}, {30, 41}, {30, 42}}));
    EXPECT_EQ(frame.at(30, 41), 0x1234);
}

TEST_F(DrawTest, BoxOfTheWholeFrameDrawsOnlyItsBorder) {
    draw_box(0, 0, 239, 319, 7);
    Points points = lit();
    EXPECT_EQ(points.size(), 2u * 240 + 2u * 318);
    for (const auto &p : points) {
        EXPECT_TRUE(p.first == 0 || p.first == 239 || p.second == 0 || p.second == 319);
    }
    EXPECT_TRUE(points.count({239, 319}));
}

TEST_F(DrawTest, BoxWithReversedCornersDrawsOnlyItsVerticalOrHorizontalEdges) {
    draw_box(10, 10, 5, 12, 1);  // x1 < x0: the horizontal edges draw nothing
    EXPECT_EQ(lit(), (Points{{10, 10}, {10, 11}, {10, 12}, {5, 10}, {5, 11}, {5, 12}}));
}

TEST_F(DrawTest, BarFillsColumnsInclusiveAndRowsBeforeTheBottom) {
    fill_bar(0, 0, 9, 3, 2);
    Points points = lit();
    EXPECT_EQ(points.size(), 30u);
    EXPECT_TRUE(points.count({9, 2}));
    EXPECT_FALSE(points.count({0, 3}));
}


TEST_F(DrawTest, LinesShorterThanAPixelDrawNothing) {
    draw_line(5, 5, 5, 5, 1);
    draw_line(5.2f, 5.0f, 5.9f, 5.0f, 1);
    draw_line(NAN, 5, 7, 5, 1);
    EXPECT_TRUE(lit().empty());
}

TEST_F(DrawTest, LinesPlotTheStartAndNotTheEnd) {
    draw_line(0, 0, 10, 0, 1);
    Points row;
    for (int x = 0; x < 10; x++) row.insert({x, 0});
    EXPECT_EQ(lit(), row);
}

TEST_F(DrawTest, LinesAreWalkedFromTheSmallerY) {
    Points expected = diagonal(238, 303, -1, 16);
    draw_line(238, 303, 222, 319, 1);
    EXPECT_EQ(lit(), expected);
    clear_frame(0);
    draw_line(222, 319, 238, 303, 1);
    EXPECT_EQ(lit(), expected);
    EXPECT_TRUE(expected.count({223, 318}));
    clear_frame(0);
    draw_line(222, 303, 238, 319, 1);
    EXPECT_EQ(lit(), diagonal(222, 303, 1, 16));
}

TEST_F(DrawTest, ClearFillsEveryByteWithTheLowByte) {
    clear_frame(0x1234);
    EXPECT_EQ(frame.at(0, 0), 0x3434);
    EXPECT_EQ(frame.at(239, 319), 0x3434);
    EXPECT_EQ(get_frame(), frame.frame());
}

TEST(AddColours, SaturatesEachFieldWithoutCarrying) {
    EXPECT_EQ(add_colours(0xF800, 0x0800), 0xF800);
    EXPECT_EQ(add_colours(0x0010, 0x0010), 0x001F);
    EXPECT_EQ(add_colours(0x0400, 0x0400), 0x07E0);
    EXPECT_EQ(add_colours(0x1082, 0x1082), 0x2104);
}

TEST_F(DrawTest, AdditiveShapesBlendOntoThePixels) {
    put_pixel(3, 3, 0x0010);
    add_pixel(3, 3, 0x0010);
    EXPECT_EQ(frame.at(3, 3), 0x001F);
    add_bar(0, 10, 1, 11, 0x0800);
    add_bar(0, 10, 1, 11, 0x0800);
    EXPECT_EQ(frame.at(1, 10), 0x1000);
    add_line(0, 20, 3, 20, 0x0001);
    add_box(50, 50, 52, 52, 0x0001);
    EXPECT_EQ(lit().size(), 1u + 2u + 3u + 8u);
}

TEST_F(DrawTest, XorPixelsAddressTheTwoBitView) {
    // Pixel (0, 0) is in bits 7-6 of byte 0, pixel (3, 0) in bits 1-0, pixel (0, 1) in byte 60.
    const uint8_t *bytes = reinterpret_cast<const uint8_t *>(frame.frame());
    xor_pixel2(0, 0, 3);
    xor_pixel2(3, 0, 1);
    xor_pixel2(0, 1, 2);
    EXPECT_EQ(bytes[0], 0xC1);
    EXPECT_EQ(bytes[60], 0x80);
    EXPECT_EQ(get_pixel2(0, 0), 3);
    EXPECT_EQ(get_pixel2(1, 0), 0);
    EXPECT_EQ(get_pixel2(0, 1), 2);
    xor_pixel2(0, 0, 3);
    EXPECT_EQ(get_pixel2(0, 0), 0);
    xor_pixel2(3, 0, 5);  // 5 = 0b101 also flips the low bit of pixel (2, 0)
    EXPECT_EQ(get_pixel2(2, 0), 1);
    EXPECT_EQ(get_pixel2(3, 0), 0);
}

TEST_F(DrawTest, XorShapesUseTheSameShapes) {
    xor_hline2(0, 0, 3, 1);
    EXPECT_EQ(reinterpret_cast<const uint8_t *>(frame.frame())[0], 0x55);
    xor_box2(10, 10, 12, 12, 1);
    xor_bar2(20, 20, 21, 22, 2);
    xor_vline2(30, 30, 2, 3);
    xor_line2(40, 40, 43, 40, 1);
    int set = 0;
    for (int y = 0; y < FRAME_HEIGHT; y++) {
        for (int x = 0; x < FRAME_WIDTH; x++) set += get_pixel2(x, y) != 0;
    }
    EXPECT_EQ(set, 4 + 4 + 4 + 3 + 3);  // the box's corners are drawn twice and flip back
    EXPECT_EQ(get_pixel2(21, 21), 2);
}

TEST_F(DrawTest, ShapesOutsideTheFrameKeepOnlyTheirInsidePart) {
    draw_hline(-5, 10, 1000, 1);
    for (int x = 0; x < FRAME_WIDTH; x++) EXPECT_EQ(frame.at(x, 10), 1);
    EXPECT_EQ(lit().size(), 240u);
    clear_frame(0);
    draw_vline(7, -100, 2000, 1);
    EXPECT_EQ(lit().size(), 320u);
    clear_frame(0);
    draw_box(-10, -10, 300, 400, 1);
    fill_bar(-20, 325, 500, 400, 1);
    fill_bar(230, 315, 260, 330, 2);
    EXPECT_EQ(lit().size(), 10u * 5u);
    clear_frame(0);
    draw_box(-2147483647 - 1, -2147483647 - 1, 2147483647, 2147483647, 1);
    put_pixel(-1, 0, 1);
    put_pixel(240, 0, 1);
    put_pixel(0, 320, 1);
    add_pixel(0, -1, 1);
    xor_pixel2(240, 319, 3);
    EXPECT_EQ(get_pixel2(-1, -1), 0);
    EXPECT_TRUE(lit().empty());
}

TEST_F(DrawTest, LinesLeavingTheFrameKeepTheirInsidePixels) {
    draw_line(200, 100, 300, 100, 1);
    Points row;
    for (int x = 200; x < 240; x++) row.insert({x, 100});
    EXPECT_EQ(lit(), row);
    clear_frame(0);
    draw_line(-10, 5, 10, 5, 1);  // enters the frame: x = 0..9
    EXPECT_EQ(lit().size(), 10u);
    EXPECT_EQ(frame.at(0, 5), 1);
    clear_frame(0);
    draw_line(230, 310, 250, 330, 1);
    EXPECT_EQ(lit(), diagonal(230, 310, 1, 10));
    clear_frame(0);
    draw_line(-1e30f, -1e30f, 1e30f, 1e30f, 1);
    draw_line(-5e9f, 3, 5e9f, 3, 1);
    xor_line2(-1e6f, 50, 1e6f, 60, 3);
    add_line(INFINITY, 0, 0, 0, 1);
}

TEST_F(DrawTest, SoundCrossStopsAtTheRightEdge) {
    // The six lines of the crossed-out speaker; those ending at x = 240 would otherwise wrap
    // onto the left edge of the next row.
    const float lines[6][4] = {{222, 303, 238, 319}, {222, 319, 238, 303}, {223, 303, 239, 319},
                               {223, 319, 239, 303}, {224, 303, 240, 319}, {224, 319, 240, 303}};
    for (const auto &l : lines) draw_line(l[0], l[1], l[2], l[3], 0xF800);
    Points points = lit();
    for (const auto &p : points) EXPECT_GE(p.first, 222);
    EXPECT_EQ(points.size(), 6u * 16u - 1u - 5u);  // one point off the frame, five crossings
    EXPECT_TRUE(points.count({239, 318}));
}


}  // namespace
