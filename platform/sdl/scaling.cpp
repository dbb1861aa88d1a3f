// The picture scaled into the window by nearest neighbour, a changed part at a time. Each
// window pixel shows the device pixel the mouse maps it to, so a click lands on what is drawn
// under it.
#include <algorithm>
#include <cstring>
#include <vector>

#include "platform/common/display.h"
#include "platform/common/scanout.h"
#include "platform/sdl/internal.h"

namespace {

const int COLOURS = 1 << 16;  // every RGB565 value

// The XRGB8888 value of every RGB565 value, made on first use.
const uint32_t *xrgb_colours() {
    static const std::vector<uint32_t> table = [] {
        std::vector<uint32_t> colours(COLOURS);
        for (int v = 0; v < COLOURS; ++v) {
            uint8_t c[3];
            rgb565_to_rgb8(uint16_t(v), c);
            colours[size_t(v)] = uint32_t(c[0]) << 16 | uint32_t(c[1]) << 8 | c[2];
        }
        return colours;
    }();
    return table.data();
}

// The picture's columns (or rows) of window positions 0..extent-1: the first position on the
// picture, and the device column (row) each position from there on shows. `along` maps a window
// position to its device coordinate.
template <typename Along>
int picture_axis(int extent, int limit, Along along, std::vector<int> *shows) {
    int first = -1;
    for (int at = 0; at < extent; ++at) {
        int device = along(at);
        if (device < 0 || device >= limit) continue;
        if (first < 0) first = at;
        shows->push_back(device);
    }
    return first < 0 ? 0 : first;
}

// The positions along one axis of the picture that show device coordinates from..to-1.
void scaled_span(const std::vector<int> &shows, int from, int to, int *begin, int *end) {
    *begin = int(std::lower_bound(shows.begin(), shows.end(), from) - shows.begin());
    *end = int(std::lower_bound(shows.begin(), shows.end(), to) - shows.begin());
}

}  // namespace

WindowPicture place_picture(int window_width, int window_height) {
    WindowPicture placed{window_width, window_height, device_fit(window_width, window_height, 1.0), 0, 0, {}, {}};
    const DeviceFit &fit = placed.fit;
    placed.left = picture_axis(window_width, DEVICE_DISPLAY_WIDTH,
                               [&](int x) { return int(device_pixel_at(fit, x, fit.top).x); }, &placed.columns);
    placed.top = picture_axis(window_height, DEVICE_DISPLAY_HEIGHT,
                              [&](int y) { return int(device_pixel_at(fit, fit.left, y).y); }, &placed.rows);
    return placed;
}

PixelRect scaled_part(const WindowPicture &placed, const PixelRect &part) {
    PixelRect scaled;
    scaled_span(placed.columns, part.left, part.right, &scaled.left, &scaled.right);
    scaled_span(placed.rows, part.top, part.bottom, &scaled.top, &scaled.bottom);
    return scaled;
}

void draw_scaled(const WindowPicture &placed, const uint16_t *picture, const PixelRect &scaled, uint32_t *pixels,
                 int pitch) {
    const uint32_t *colours = xrgb_colours();
    size_t span_bytes = size_t(scaled.right - scaled.left) * sizeof *pixels;
    for (int y = scaled.top; y < scaled.bottom; ++y) {
        uint32_t *row = pixels + long(y) * pitch;
        int device_row = placed.rows[size_t(y)];
        // A row showing the same device row as the one above is a copy of it.
        if (y > scaled.top && device_row == placed.rows[size_t(y) - 1]) {
            std::memcpy(row + scaled.left, row - pitch + scaled.left, span_bytes);
            continue;
        }
        const uint16_t *source = picture + device_row * DEVICE_DISPLAY_WIDTH;
        for (int x = scaled.left; x < scaled.right; ++x) row[x] = colours[source[placed.columns[size_t(x)]]];
    }
}
