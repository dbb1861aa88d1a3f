// A 240 x 320 test frame between two guard bands, so a test can tell that drawing wrote nothing
// outside the frame, and a fixture that draws and puts sprites into it and checks the guards after.
#ifndef VORLEN_TESTS_GRAPHICS_GUARDED_FRAME_H
#define VORLEN_TESTS_GRAPHICS_GUARDED_FRAME_H

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "graphics/draw.h"
#include "graphics/sprite.h"

struct GuardedFrame {
    static constexpr int GUARD = 4096, PIXELS = FRAME_WIDTH * FRAME_HEIGHT;  // guard and frame pixels
    static constexpr uint16_t SENTINEL = 0xA5C3;                             // what the guards hold
    std::vector<uint16_t> memory = std::vector<uint16_t>(PIXELS + 2 * GUARD, SENTINEL);

    GuardedFrame() { std::fill(frame(), frame() + PIXELS, 0); }
    uint16_t *frame() { return memory.data() + GUARD; }
    uint16_t at(int x, int y) { return frame()[y * FRAME_WIDTH + x]; }
    // Whether the guards still hold only the sentinel, and how many frame pixels are not 0.
    bool guards_intact() { return std::count(memory.begin(), memory.end(), SENTINEL) == 2 * GUARD + count(SENTINEL); }
    long count(uint16_t value) { return long(std::count(frame(), frame() + PIXELS, value)); }
    long lit() { return PIXELS - count(0); }
};

struct Sample {  // a pixel a test expects: its place and colour (0: left undrawn)
    int x, y;
    uint16_t colour;
};

class FrameTest : public ::testing::Test {
protected:
    GuardedFrame frame;
    void SetUp() override { draw_target = sprite_target = frame.frame(); }
    void TearDown() override { EXPECT_TRUE(frame.guards_intact()); }
    // Expects `count` pixels drawn (unless negative) and each sample to hold its colour.
    void expect_frame(long count, const std::vector<Sample> &samples) {
        if (count >= 0) { EXPECT_EQ(frame.lit(), count); }
        for (const Sample &s : samples) EXPECT_EQ(frame.at(s.x, s.y), s.colour) << s.x << "," << s.y;
    }
};

#endif
