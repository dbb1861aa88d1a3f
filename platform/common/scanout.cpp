// The emulated display read back as the eye would see it, layout by layout.
#include "platform/common/scanout.h"

#include <cstring>

#include "platform/common/display.h"

namespace {

const int W = DEVICE_DISPLAY_WIDTH;
const int H = DEVICE_DISPLAY_HEIGHT;

// The RGB565 grey of a level out of max (0 black, max white).
uint16_t grey(int level, int max) {
    int v = level * 255 / max;
    return uint16_t((v >> 3) << 11 | (v >> 2) << 5 | (v >> 3));
}

// 16-bit colour: pixel (x, y) at origin + x * x pitch + y * y pitch (lowest bits cleared),
// starting 640 bytes on when rows run upwards. Rows of adjacent pixels are copied whole, and
// packed rows as one block, since a device scans out every frame.
void scan_16(const GXDisplayProperties &p, const uint8_t *origin, uint16_t *picture) {
    int32_t sx = p.cbxPitch & ~1;
    int32_t sy = p.cbyPitch & ~1;
    if (sx == 2 && sy == W * 2) {
        std::memcpy(picture, origin, size_t(W) * H * 2);
        return;
    }
    const uint8_t *row = origin + (p.cbyPitch < 0 ? DEVICE_BOTTOM_UP_OFFSET : 0);
    for (int y = 0; y < H; ++y, row += sy) {
        if (sx == 2) {
            std::memcpy(&picture[y * W], row, size_t(W) * 2);
            continue;
        }
        for (int x = 0; x < W; ++x) std::memcpy(&picture[y * W + x], row + long(x) * sx, 2);
    }
}

// 4-bit grey: line x holds column x from the bottom up, the lower pixel in the high nibble.
void scan_4(const uint8_t *origin, uint16_t *picture) {
    for (int x = 0; x < W; ++x)
        for (int k = 0; k < H / 2; ++k) {
            uint8_t byte = origin[x * (H / 2) + k];
            picture[(H - 1 - 2 * k) * W + x] = grey(byte >> 4, 15);
            picture[(H - 2 - 2 * k) * W + x] = grey(byte & 0x0F, 15);
        }
}

// 2-bit grey: rows of 60 bytes a whole number of words apart, leftmost pixel in the high bits.
void scan_2(const GXDisplayProperties &p, const uint8_t *origin, uint16_t *picture) {
    int32_t step = device_grey2_step(p.cbyPitch);
    for (int y = 0; y < H; ++y) {
        const uint8_t *row = origin + long(y) * step;
        for (int x = 0; x < W; ++x) picture[y * W + x] = grey((row[x / 4] >> (6 - 2 * (x % 4))) & 3, 3);
    }
}

}  // namespace

void scan_out(const GXDisplayProperties &properties, const uint8_t *origin, uint16_t *picture) {
    if (properties.cBPP == 16)
        scan_16(properties, origin, picture);
    else if (properties.cBPP == 4)
        scan_4(origin, picture);
    else if (properties.cBPP == 2)
        scan_2(properties, origin, picture);
    else
        std::memset(picture, 0, size_t(W) * H * 2);
}

void rgb565_to_rgb8(uint16_t pixel, uint8_t *channels) {
    int r = pixel >> 11, g = pixel >> 5 & 0x3F, b = pixel & 0x1F;
    channels[0] = uint8_t(r << 3 | r >> 2);
    channels[1] = uint8_t(g << 2 | g >> 4);
    channels[2] = uint8_t(b << 3 | b >> 2);
}

void part_to_rgba(const uint16_t *picture, const PixelRect &part, uint8_t *rgba) {
    for (int y = part.top; y < part.bottom; ++y)
        for (int x = part.left; x < part.right; ++x, rgba += 4) {
            rgb565_to_rgb8(picture[y * W + x], rgba);
            rgba[3] = 255;
        }
}
