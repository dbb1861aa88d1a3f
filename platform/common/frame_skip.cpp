// Presentation sends a window or a page only what changed (on the animated title only the
// spinning board does): the part of a frame the host does not show yet.
#include <cstring>

#include "platform/common/change.h"

namespace {

const int W = DEVICE_DISPLAY_WIDTH, H = DEVICE_DISPLAY_HEIGHT;
const size_t ROW_BYTES = size_t(W) * 2;

// What the host shows: the picture, the display layout it was read from and the size it was
// scaled to.
struct Shown {
    uint16_t picture[W * H];
    int32_t bpp, x_pitch, y_pitch;
    int width, height;
};

Shown shown;
bool shown_valid = false;  // false until the first frame and after frame_forget

// Whether the host shows pictures read from this layout at this size.
bool same_setting(const GXDisplayProperties &layout, int width, int height) {
    return shown_valid && shown.bpp == layout.cBPP && shown.x_pitch == layout.cbxPitch &&
           shown.y_pitch == layout.cbyPitch && shown.width == width && shown.height == height;
}

}  // namespace

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
