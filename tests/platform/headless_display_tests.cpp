// The test device's display memory: each layout's block holds every pixel or row and no more.
#include <gtest/gtest.h>

#include "platform/headless/headless.h"

namespace {

// The offset from the GXBeginDraw pointer to the first byte of the display memory block.
long origin_in_block() { return long(device_display_origin() - device_display_memory()); }

}  // namespace

TEST(HeadlessDisplay, EachLayoutIsSizedToHoldEveryPixelOrRow) {
    const struct {
        int32_t bpp, x_pitch, y_pitch;
        long origin;  // offset of the GXBeginDraw pointer in the block
        size_t size;
    } layouts[] = {
        {16, -640, 2, 239 * 640, 239 * 640 + 640},  // pixel (x, y) at y * 2 - x * 640
        {16, 640, -2, 0, 640 + 239 * 640 + 2},      // bottom-up: pixel (0, 0) lies 640 bytes on
        {2, 1, 60, 0, 19200},
        {2, 1, 66, 0, 319 * 64 + 60},  // acts as 64 bytes a row
        {2, 1, -60, 319 * 60, 19200},  // bottom-up rows
    };
    headless_reset();
    for (const auto &l : layouts) {
        device_set_display(l.bpp, l.x_pitch, l.y_pitch);
        EXPECT_EQ(origin_in_block(), l.origin) << l.bpp << " " << l.x_pitch << " " << l.y_pitch;
        EXPECT_EQ(device_display_size(), l.size) << l.bpp << " " << l.x_pitch << " " << l.y_pitch;
    }
}

TEST(HeadlessDisplay, NullFrameCallbackClearsTheCallbacks) {
    headless_reset();
    int runs = 0;
    headless_on_frame([&runs](int) { runs++; });
    GXEndDraw();
    headless_on_frame(nullptr);
    EXPECT_NO_THROW(GXEndDraw());
    EXPECT_EQ(runs, 1);
    EXPECT_EQ(headless_frame_count(), 2);
}
