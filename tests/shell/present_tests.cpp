// Presentation on the test device, on known frames, byte for byte: every 16-bit layout and the
// 2-bit one's pitches. (The 4-bit display is presented whole in its recorded session.)
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <vector>

#include "platform/headless/headless.h"
#include "shell/present.h"
#include "shell/shell.h"

namespace {

std::vector<uint16_t> frame(240 * 320);  // the BackBuffer the tests present

// Fills the frame so every pixel differs from its neighbours, or blanks it but for the given pixels.
void fill_pattern() {
    for (int i = 0; i < 240 * 320; ++i) frame[size_t(i)] = uint16_t(i * 40503u + 7u);
}
void only(std::initializer_list<std::pair<int, uint16_t>> pixels) {
    std::fill(frame.begin(), frame.end(), 0);
    for (const auto &p : pixels) frame[size_t(p.first)] = p.second;
}

// Lays the display out, keeps its values as start-up does, and presents the frame once.
void present_on(int32_t bpp, int32_t x_pitch, int32_t y_pitch) {
    headless_reset();
    device_set_display(bpp, x_pitch, y_pitch);
    GXDisplayProperties p = GXGetDisplayProperties();
    cBPP = p.cBPP, cbxPitch = p.cbxPitch, cbyPitch = p.cbyPitch;
    BackBuffer = frame.data();
    present_frame();
}

// The presented bytes as offsets from the GXBeginDraw pointer.
uint8_t byte_at(long offset) {
    return headless_frames().back().at(size_t(device_display_origin() - device_display_memory() + offset));
}
uint16_t pixel_at(long offset) { return uint16_t(byte_at(offset) | byte_at(offset + 1) << 8); }

// The number of display bytes that differ from zero.
long written_bytes() {
    const std::vector<uint8_t> &shown = headless_frames().back();
    return long(std::count_if(shown.begin(), shown.end(), [](uint8_t b) { return b != 0; }));
}

}  // namespace

TEST(Present16, EveryPixelLandsAtItsOffsetInEachLayout) {
    const struct {
        int32_t x_pitch, y_pitch;
        long start, x_step, y_step;  // where pixel (x, y) must land: start + x * x_step + y * y_step
    } layouts[] = {
        {2, 480, 0, 2, 480},     {2, 512, 0, 2, 512},    {2, 500, 0, 2, 500},
        {-640, 2, 0, -640, 2},   {640, -2, 640, 640, -2},  // rotated, and bottom-up 640 bytes on
        {3, 721, 0, 2, 720},     {-641, 3, 0, -642, 2},  // odd pitches lose their lowest bit
        {2, -480, 640, 2, -480},
    };
    fill_pattern();
    for (const auto &l : layouts) {
        SCOPED_TRACE(::testing::Message() << l.x_pitch << ", " << l.y_pitch);
        present_on(16, l.x_pitch, l.y_pitch);
        ASSERT_EQ(headless_frames().size(), 1u);
        for (int i = 0; i < 240 * 320; ++i)
            ASSERT_EQ(pixel_at(l.start + i % 240 * l.x_step + i / 240 * l.y_step), frame[size_t(i)]) << i;
        if (l.y_pitch > 480) {
            EXPECT_EQ(byte_at(480), 0);  // the padding between rows is left alone
        }
    }
    present_on(16, 2, 480);
    EXPECT_EQ(std::memcmp(headless_frames()[0].data(), frame.data(), 153600), 0);
    EXPECT_EQ(headless_calls(), (std::vector<std::string>{"GXGetDisplayProperties", "GXBeginDraw", "GXEndDraw"}));
    // Rows closer than a packed row overlap: later rows win, and nothing lands outside.
    present_on(16, 2, 256);
    for (int x = 0; x < 240; ++x) EXPECT_EQ(pixel_at(319 * 256 + 2 * x), frame[size_t(319 * 240 + x)]);
}

TEST(Present2, LevelsComeFromTheTopBitsOfRedAndRowsStepByWholeWords) {
    only({{2 * 240 + 239, 0xC000}});  // row 2, last pixel: level 3 in the last byte's low bits
    std::fill(frame.begin(), frame.begin() + 240, 0xFFFF);  // row 0 white
    const uint16_t start[] = {0xFFFF, 0x0000, 0x8000, 0x4000, 0xF800, 0x07E0, 0x001F, 0xF800};
    std::copy(std::begin(start), std::end(start), frame.begin() + 240);  // row 1
    present_on(2, 1, 60);
    for (int k = 0; k < 60; ++k) ASSERT_EQ(byte_at(k), 0xFF) << k;
    EXPECT_EQ(byte_at(60), 0xC9);
    EXPECT_EQ(byte_at(61), 0xC3);  // red level 3, green 0, blue 0, red 3
    EXPECT_EQ(byte_at(179), 0x03);
    EXPECT_EQ(written_bytes(), 60 + 2 + 1);
    only({});
    for (int y = 0; y < 320; ++y) frame[size_t(y * 240)] = 0xC000;  // first pixel of every row
    present_on(2, 1, 66);  // acts as 64
    EXPECT_EQ(byte_at(319 * 64), 0xC0);
    EXPECT_EQ(written_bytes(), 320);
    present_on(2, 1, -60);
    EXPECT_EQ(byte_at(-319 * 60), 0xC0);
    EXPECT_EQ(written_bytes(), 320);
}

TEST(PresentOther, UnservedDisplaysAreLeftUntouched) {
    for (int32_t bpp : {8, 12, 24}) {
        present_on(bpp, bpp / 8, 240 * (bpp / 8));
        EXPECT_EQ(headless_frame_count(), 0) << bpp;
        EXPECT_EQ(headless_calls(), std::vector<std::string>{"GXGetDisplayProperties"});
    }
    present_on(2, 1, 40);  // 2-bit rows that would overlap
    EXPECT_EQ(headless_frame_count(), 0);
}
