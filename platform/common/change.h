// Rectangles of the 240 x 320 picture, and the part of a picture that differs from another: the
// game presents every 30 ms whether or not anything moved, so a host window or a page is sent
// only the smallest rectangle holding every changed pixel, or nothing.
#ifndef VORLEN_PLATFORM_COMMON_CHANGE_H
#define VORLEN_PLATFORM_COMMON_CHANGE_H

#include <cstdint>

#include "platform/common/display.h"

// A rectangle of pixels: columns left..right-1, rows top..bottom-1.
struct PixelRect {
    int left, top, right, bottom;
};
const PixelRect WHOLE_PICTURE{0, 0, DEVICE_DISPLAY_WIDTH, DEVICE_DISPLAY_HEIGHT};
inline bool rect_is_empty(const PixelRect &r) { return r.right <= r.left || r.bottom <= r.top; }
inline bool rect_is_whole(const PixelRect &r) {
    return r.left == WHOLE_PICTURE.left && r.top == WHOLE_PICTURE.top && r.right == WHOLE_PICTURE.right &&
           r.bottom == WHOLE_PICTURE.bottom;
}

// The smallest rectangle holding every pixel where two 240 x 320 pictures differ (empty when
// they are equal).
PixelRect changed_rect(const uint16_t *before, const uint16_t *after);
// The part of a frame the host does not show yet (the changed rectangle, or the whole picture
// when the display layout it was read from or the size it is shown at changed), taking the
// frame as shown; and forgetting what is shown, so the next is sent whole.
PixelRect frame_change(const uint16_t *picture, const GXDisplayProperties &layout, int width, int height);
void frame_forget();

#endif
