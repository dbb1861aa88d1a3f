// Where the picture lies in a host's view, and which device pixel a view position falls on.
#include "platform/common/fit.h"

#include <algorithm>
#include <cmath>

#include "platform/common/display.h"

namespace {

const double DENSE_SCREEN = 2.0;  // screen pixels per view unit from which the picture fills the view
// The least share of the exact fit a whole factor must reach; below it (a fit between 1.5 and 2)
// the picture is too small at the whole factor and fills the view instead.
const double MIN_WHOLE_SHARE = 2.0 / 3.0;

}  // namespace

int device_whole_scale(double width, double height) {
    double fit = std::min(width / DEVICE_DISPLAY_WIDTH, height / DEVICE_DISPLAY_HEIGHT);
    return fit > 0 ? int(std::floor(fit)) : 0;
}

DeviceFit device_fit(double width, double height, double pixel_ratio) {
    double ratio = pixel_ratio > 0 ? pixel_ratio : 1.0;
    double screen_w = width * ratio, screen_h = height * ratio;
    int whole = device_whole_scale(screen_w, screen_h);
    double exact = std::min(screen_w / DEVICE_DISPLAY_WIDTH, screen_h / DEVICE_DISPLAY_HEIGHT);
    double scale = whole >= 1 && ratio < DENSE_SCREEN && whole >= exact * MIN_WHOLE_SHARE ? whole : exact;
    double picture_w = DEVICE_DISPLAY_WIDTH * scale, picture_h = DEVICE_DISPLAY_HEIGHT * scale;
    // The margins are whole screen pixels, so a whole-factor picture's pixels meet the screen's.
    double left = std::floor((screen_w - picture_w) / 2), top = std::floor((screen_h - picture_h) / 2);
    return DeviceFit{left / ratio, top / ratio, picture_w / ratio, picture_h / ratio};
}

POINT device_pixel_at(const DeviceFit &fit, double x, double y) {
    if (fit.width <= 0 || fit.height <= 0) return POINT{-1, -1};
    double px = std::floor((x - fit.left) * DEVICE_DISPLAY_WIDTH / fit.width);
    double py = std::floor((y - fit.top) * DEVICE_DISPLAY_HEIGHT / fit.height);
    // Far-off positions are held to a range that still lies off the picture.
    px = std::clamp(px, -1.0, double(DEVICE_DISPLAY_WIDTH));
    py = std::clamp(py, -1.0, double(DEVICE_DISPLAY_HEIGHT));
    return POINT{LONG(px), LONG(py)};
}
