// Presentation sends the window only what changed: the game presents every 30 ms whether or not
// anything moved, and on the animated title only the spinning board does, so a frame is reduced
// to the smallest rectangle holding every changed pixel, or to nothing.
#include <cstring>

#include "platform/common/display.h"
#include "platform/sdl/internal.h"

namespace {

const int W = DEVICE_DISPLAY_WIDTH, H = DEVICE_DISPLAY_HEIGHT;
const size_t ROW_BYTES = size_t(W) * 2;

// What the window shows: the picture, the display layout it was read from and the size it
// was scaled to.
struct Shown {
    uint16_t picture[W * H];
    int32_t bpp, x_pitch, y_pitch;
    int width, height;
};

Shown shown;
bool shown_valid = false;  // false until the first frame and after frame_forget

// Whether row y is the same in both pictures.
bool same_row(const uint16_t *before, const uint16_t *after, int y) {
    return std::memcmp(before + y * W, after + y * W, ROW_BYTES) == 0;
}

// Whether the window shows pictures read from this layout at this size.
bool same_setting(const GXDisplayProperties &layout, int width, int height) {
    return shown_valid && shown.bpp == layout.cBPP && shown.x_pitch == layout.cbxPitch &&
           shown.y_pitch == layout.cbyPitch && shown.width == width && shown.height == height;
}

}  // namespace

PixelRect changed_rect(const uint16_t *before, const uint16_t *after) {
    int top = 0;
    while (top < H && same_row(before, after, top)) ++top;
    if (top == H) return PixelRect{0, 0, 0, 0};
    int bottom = H;
    while (same_row(before, after, bottom - 1)) --bottom;
    // Each row only searches beyond the columns already known to change.
    int left = W, right = 0;
    for (int y = top; y < bottom; ++y) {
        const uint16_t *a = before + y * W, *b = after + y * W;
        for (int x = 0; x < left; ++x)
            if (a[x] != b[x]) left = x;
        for (int x = W - 1; x >= right; --x)
            if (a[x] != b[x]) right = x + 1;
    }
    return PixelRect{left, top, right, bottom};
}

PixelRect frame_change(const uint16_t *picture, const GXDisplayProperties &layout, int width, int height) {
    PixelRect change = same_setting(layout, width, height) ? changed_rect(shown.picture, picture) : WHOLE_PICTURE;
    if (rect_is_empty(change)) return change;
    size_t first = size_t(change.top) * W;
    std::memcpy(shown.picture + first, picture + first, size_t(change.bottom - change.top) * ROW_BYTES);
    shown.bpp = layout.cBPP, shown.x_pitch = layout.cbxPitch, shown.y_pitch = layout.cbyPitch;
    shown.width = width, shown.height = height;
    shown_valid = true;
    return change;
}

void frame_forget() { shown_valid = false; }
