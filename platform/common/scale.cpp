// A desktop window's whole scale factor: the one VORLEN_SCALE asks for when it is valid and
// fits the screen, otherwise the largest that fits, with one warning line saying why.
#include <cerrno>
#include <cstdio>
#include <cstdlib>

#include "platform/common/fit.h"
#include "platform/common/desktop.h"

namespace {

const int MAX_SCALE = 8;
const int FALLBACK_SCALE = 2;  // when the screen's size is unknown
const int SCREEN_SHARE = 90;   // per cent of the usable screen a window of the default scale takes

// The largest factor whose window fits `share` per cent of the usable screen, 1 at least.
int largest_fitting(int usable_width, int usable_height, int share) {
    int fit = device_whole_scale(usable_width * share / 100, usable_height * share / 100);
    return fit < 1 ? 1 : fit > MAX_SCALE ? MAX_SCALE : fit;
}

// The whole number the text holds, or -1 when it holds anything else.
long whole_number(const char *text) {
    char *end = nullptr;
    errno = 0;
    long value = std::strtol(text, &end, 10);
    return end == text || *end != '\0' || errno == ERANGE ? -1 : value;
}

}  // namespace

int window_scale(const char *setting, int usable_width, int usable_height) {
    bool known = usable_width > 0 && usable_height > 0;
    int fallback = known ? largest_fitting(usable_width, usable_height, SCREEN_SHARE) : FALLBACK_SCALE;
    if (!setting) return fallback;
    long wanted = whole_number(setting);
    if (wanted < 1 || wanted > MAX_SCALE) {
        std::fprintf(stderr, "vorlen: VORLEN_SCALE '%s' is not a whole number from 1 to %d, using %d\n", setting,
                     MAX_SCALE, fallback);
        return fallback;
    }
    // Asked for, a window may take the whole usable screen.
    int fitting = known ? largest_fitting(usable_width, usable_height, 100) : MAX_SCALE;
    if (wanted > fitting) {
        std::fprintf(stderr, "vorlen: VORLEN_SCALE %ld does not fit the %dx%d screen, using %d\n", wanted,
                     usable_width, usable_height, fitting);
        return fitting;
    }
    return int(wanted);
}
