// The display layout and window scale a person chooses through the environment.
#include "platform/common/desktop.h"

#include <cstdio>
#include <cstdlib>

#include "platform/common/display.h"
#include "platform/common/fit.h"

void device_layout_from_environment() {
    const char *name = std::getenv("VORLEN_DISPLAY");
    if (!device_choose_layout(name) && name)
        std::fprintf(stderr, "vorlen: unknown VORLEN_DISPLAY '%s', using packed\n", name);
}

int device_scale_from_environment(int width, int height) {
    const char *text = std::getenv("VORLEN_SCALE");
    int wanted = text ? std::atoi(text) : 0;
    if (wanted >= 1 && wanted <= DEVICE_MAX_SCALE) return wanted;
    int fit = device_whole_scale(width, height);
    return fit < 1 ? 1 : fit > DEVICE_MAX_SCALE ? DEVICE_MAX_SCALE : fit;
}
