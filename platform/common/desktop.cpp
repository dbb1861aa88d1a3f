// The display layout and window scale chosen through the environment, and the mouse as stylus.
#include "platform/common/desktop.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "platform/common/display.h"
#include "platform/common/letterbox.h"
#include "platform/common/windows.h"

namespace {

// The display layouts a person can choose to see every presentation path.
struct Layout {
    const char *name;
    int32_t bpp, x_pitch, y_pitch;
};
const Layout LAYOUTS[] = {
    {"packed", 16, 2, 480},   // 16-bit colour, pixels and rows packed
    {"padded", 16, 2, 512},   // 16-bit colour, rows 256 pixels apart
    {"rotated", 16, -640, 2}, // 16-bit colour on a landscape panel turned a quarter
    {"grey4", 4, 0, 0},       // 4-bit grey, the fixed rotated layout
    {"grey2", 2, 1, 60},      // 2-bit grey, rows of 60 bytes
};

bool stylus_down = false;  // the button went down on the picture and is not yet up

}  // namespace

void device_choose_layout() {
    const char *name = std::getenv("VORLEN_DISPLAY");
    const Layout *chosen = &LAYOUTS[0];
    for (const Layout &layout : LAYOUTS)
        if (name && std::strcmp(name, layout.name) == 0) chosen = &layout;
    if (name && chosen == &LAYOUTS[0] && std::strcmp(name, LAYOUTS[0].name) != 0)
        std::fprintf(stderr, "vorlen: unknown VORLEN_DISPLAY '%s', using packed\n", name);
    device_set_display(chosen->bpp, chosen->x_pitch, chosen->y_pitch);
}

int device_choose_scale(int width, int height) {
    const char *text = std::getenv("VORLEN_SCALE");
    int wanted = text ? std::atoi(text) : 0;
    if (wanted >= 1 && wanted <= DEVICE_MAX_SCALE) return wanted;
    return device_fit_scale(width, height);
}

void device_stylus_press(int x, int y) {
    if (!device_on_picture(x, y)) return;  // clicks in the letterbox are not taps
    stylus_down = true;
    device_post(WM_LBUTTONDOWN, 1, MAKELPARAM(x, y));
}

void device_stylus_move(int x, int y) {
    if (stylus_down && device_on_picture(x, y)) device_post(WM_MOUSEMOVE, 1, MAKELPARAM(x, y));
}

void device_stylus_release(int x, int y) {
    if (!stylus_down) return;
    stylus_down = false;
    device_clamp_to_picture(&x, &y);
    device_post(WM_LBUTTONUP, 0, MAKELPARAM(x, y));
}
