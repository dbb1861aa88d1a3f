// The stylus's pen messages from a host pointer's press, moves and release.
#include "platform/common/stylus.h"

#include "platform/common/display.h"
#include "platform/common/windows.h"

namespace {

bool stylus_down = false;  // pressed on the picture and not yet lifted

// Whether a position (device pixels) lies on the picture.
bool on_picture(int x, int y) { return x >= 0 && x < DEVICE_DISPLAY_WIDTH && y >= 0 && y < DEVICE_DISPLAY_HEIGHT; }

// The nearest position on the picture, for a stylus lifted off its edge.
LPARAM clamped(int x, int y) {
    x = x < 0 ? 0 : x >= DEVICE_DISPLAY_WIDTH ? DEVICE_DISPLAY_WIDTH - 1 : x;
    y = y < 0 ? 0 : y >= DEVICE_DISPLAY_HEIGHT ? DEVICE_DISPLAY_HEIGHT - 1 : y;
    return MAKELPARAM(x, y);
}

}  // namespace

void device_stylus_press(int x, int y) {
    if (!on_picture(x, y)) return;
    stylus_down = true;
    device_post(WM_LBUTTONDOWN, 1, MAKELPARAM(x, y));
}

void device_stylus_move(int x, int y) {
    if (stylus_down && on_picture(x, y)) device_post(WM_MOUSEMOVE, 1, MAKELPARAM(x, y));
}

void device_stylus_release(int x, int y) {
    if (!stylus_down) return;
    stylus_down = false;
    device_post(WM_LBUTTONUP, 0, clamped(x, y));
}

bool device_stylus_is_down() { return stylus_down; }
