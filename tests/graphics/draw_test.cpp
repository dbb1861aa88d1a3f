// The primitives: exact shapes, lines' end points and the cases that draw nothing, clipping at
// the frame's edges, and the additive and 2-bit XOR families.
#include <gtest/gtest.h>

#include <climits>
#include <cmath>

#include "tests/graphics/guarded_frame.h"

namespace {

class DrawTest : public FrameTest {};

struct ShapeCase {
    const char *what;
    void (*draw)();
    long count;  // pixels drawn; negative: only the guards are checked
    std::vector<Sample> samples;
};

const ShapeCase SHAPES[] = {
    {"a span of length 0 is one pixel", [] { draw_hline(10, 5, 0, 1); }, 1, {{10, 5, 1}}},
    {"negative lengths draw nothing", [] { draw_hline(20, 5, -1, 1); draw_vline(20, 5, -1, 1); }, 0, {}},
    {"a span covers length + 1", [] { draw_vline(30, 40, 2, 0x1234); }, 3, {{30, 40, 0x1234}, {30, 42, 0x1234}}},
    {"a whole-frame box is its border", [] { draw_box(0, 0, 239, 319, 7); }, 2 * 240 + 2 * 318, {{239, 319, 7}, {1, 1, 0}}},
    {"reversed x keeps the vertical edges", [] { draw_box(10, 10, 5, 12, 1); }, 6, {{5, 12, 1}, {7, 10, 0}}},
    {"a bar stops before its bottom row", [] { fill_bar(0, 0, 9, 3, 2); }, 30, {{9, 2, 2}, {0, 3, 0}}},
    {"lines under a pixel or of NaN draw nothing",
     [] { draw_line(5, 5, 5, 5, 1); draw_line(5.2f, 5, 5.9f, 5, 1); draw_line(NAN, 5, 7, 5, 1); }, 0, {}},
    {"a line plots its start, not its end", [] { draw_line(0, 0, 10, 0, 1); }, 10, {{0, 0, 1}, {9, 0, 1}, {10, 0, 0}}},
    // Lines are walked from the smaller y whichever end is given first.
    {"up to the right", [] { draw_line(238, 303, 222, 319, 1); }, 16, {{238, 303, 1}, {223, 318, 1}, {222, 319, 0}}},
    {"down to the right", [] { draw_line(222, 303, 238, 319, 1); }, 16, {{222, 303, 1}, {237, 318, 1}, {238, 319, 0}}},
    {"a span across the frame", [] { draw_hline(-5, 10, 1000, 1); }, 240, {{0, 10, 1}, {239, 10, 1}}},
    {"boxes and bars past the edges",
     [] { draw_box(-10, -10, 300, 400, 1); fill_bar(-20, 325, 500, 400, 1); fill_bar(230, 315, 260, 330, 2); }, 50,
     {{230, 315, 2}, {239, 319, 2}}},
    {"shapes wholly outside draw nothing",
     [] {
         draw_box(INT_MIN, INT_MIN, INT_MAX, INT_MAX, 1); put_pixel(-1, 0, 1); put_pixel(240, 0, 1);
         put_pixel(0, 320, 1); add_pixel(0, -1, 1); xor_pixel2(240, 319, 3);
     }, 0, {}},
    {"a line leaving the right edge", [] { draw_line(200, 100, 300, 100, 1); }, 40, {{239, 100, 1}, {0, 101, 0}}},
    {"a line leaving by the corner", [] { draw_line(230, 310, 250, 330, 1); }, 10, {{239, 319, 1}}},
    {"huge and infinite lines stay inside",
     [] {
         draw_line(-1e30f, -1e30f, 1e30f, 1e30f, 1); draw_line(-5e9f, 3, 5e9f, 3, 1);
         xor_line2(-1e6f, 50, 1e6f, 60, 3); add_line(INFINITY, 0, 0, 0, 1);
     }, -1, {}},
    // The crossed-out speaker: lines reaching x = 240 would wrap onto the next row's left edge.
    {"lines ending at x = 240 stop at the edge",
     [] {
         const float lines[6][4] = {{222, 303, 238, 319}, {222, 319, 238, 303}, {223, 303, 239, 319},
                                    {223, 319, 239, 303}, {224, 303, 240, 319}, {224, 319, 240, 303}};
         for (const auto &l : lines) draw_line(l[0], l[1], l[2], l[3], 0xF800);
     }, 6 * 16 - 1 - 5, {{239, 318, 0xF800}, {0, 304, 0}}},
};

TEST_F(DrawTest, ShapesDrawExactlyTheirPixels) {
    for (const ShapeCase &c : SHAPES) {
        SCOPED_TRACE(c.what);
        clear_frame(0);
        c.draw();
        expect_frame(c.count, c.samples);
    }
    clear_frame(0x1234);  // every byte takes the low byte
    expect_frame(240 * 320, {{0, 0, 0x3434}, {239, 319, 0x3434}});
    EXPECT_EQ(get_frame(), frame.frame());
}

TEST_F(DrawTest, AdditiveShapesSaturateEachFieldWithoutCarrying) {
    EXPECT_EQ(add_colours(0xF800, 0x0800), 0xF800);
    EXPECT_EQ(add_colours(0x1082, 0x1082), 0x2104);
    put_pixel(3, 3, 0x0010);
    add_pixel(3, 3, 0x0010);
    add_bar(0, 10, 1, 11, 0x0400);
    add_bar(0, 10, 1, 11, 0x0400);
    add_line(0, 20, 3, 20, 0x0001);
    add_box(50, 50, 52, 52, 0x0001);
    expect_frame(1 + 2 + 3 + 8, {{3, 3, 0x001F}, {1, 10, 0x07E0}, {2, 20, 1}, {51, 52, 1}});
}

TEST_F(DrawTest, XorShapesFlipTheTwoBitView) {
    // Pixel (0, 0) is in bits 7-6 of byte 0, pixel (3, 0) in bits 1-0, pixel (0, 1) in byte 60.
    const uint8_t *bytes = reinterpret_cast<const uint8_t *>(frame.frame());
    xor_pixel2(0, 0, 3);
    xor_pixel2(3, 0, 5);  // 5 = 0b101 also flips the low bit of pixel (2, 0)
    xor_pixel2(0, 1, 2);
    EXPECT_EQ(bytes[0], 0xC5);
    EXPECT_EQ(bytes[60], 0x80);
    EXPECT_EQ(get_pixel2(-1, -1), 0);
    xor_box2(10, 10, 12, 12, 1);  // the corners are drawn twice and flip back
    xor_line2(40, 40, 43, 40, 1);
    int set = 0;
    for (int i = 0; i < 240 * 320; i++) set += get_pixel2(i % 240, i / 240) != 0;
    EXPECT_EQ(set, 4 + 4 + 3);
}

}  // namespace
