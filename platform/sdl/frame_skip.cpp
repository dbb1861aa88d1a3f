// Presentation skips frames the window already shows: the game presents every 30 ms whether
// or not anything moved, and uploading and scaling an unchanged picture is most of an idle
// screen's cost.
#include <cstring>

#include "platform/common/display.h"
#include "platform/sdl/internal.h"

namespace {

const size_t PICTURE_BYTES = size_t(DEVICE_DISPLAY_WIDTH) * DEVICE_DISPLAY_HEIGHT * 2;

// What the window shows: the picture, the display layout it was read from and the size it
// was scaled to.
struct Shown {
    uint16_t picture[DEVICE_DISPLAY_WIDTH * DEVICE_DISPLAY_HEIGHT];
    int32_t bpp, x_pitch, y_pitch;
    int width, height;
};

Shown shown;
bool shown_valid = false;  // false until the first frame and after frame_forget

}  // namespace

bool frame_is_new(const uint16_t *picture, const GXDisplayProperties &layout, int width, int height) {
    bool same = shown_valid && shown.bpp == layout.cBPP && shown.x_pitch == layout.cbxPitch &&
                shown.y_pitch == layout.cbyPitch && shown.width == width && shown.height == height &&
                std::memcmp(shown.picture, picture, PICTURE_BYTES) == 0;
    if (same) return false;
    std::memcpy(shown.picture, picture, PICTURE_BYTES);
    shown.bpp = layout.cBPP, shown.x_pitch = layout.cbxPitch, shown.y_pitch = layout.cbyPitch;
    shown.width = width, shown.height = height;
    shown_valid = true;
    return true;
}

void frame_forget() { shown_valid = false; }
