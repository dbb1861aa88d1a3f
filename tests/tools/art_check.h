// Helpers for the art tests: a picture painted and encoded as the generator writes it, and
// decoded as the game reads it.
#ifndef VORLEN_TESTS_TOOLS_ART_CHECK_H
#define VORLEN_TESTS_TOOLS_ART_CHECK_H

#include <cstdint>
#include <cstring>
#include <vector>

#include "tools/art/files.h"
#include "tools/art/palette.h"
#include "tools/art/pictures.h"

const uint16_t KEY = 0xF800;  // the game's transparent colour

// A picture decoded into RGB565 through its colour map, row 0 at the top.
struct Decoded {
    int width = 0;
    uint16_t table[256];
    std::vector<uint16_t> pixels;
    uint16_t at(int x, int y) const { return pixels[size_t(y) * width + x]; }
};

// Reads the bytes as the game's loader does: map at byte 18 (blue, green, red), indices at
// byte 786, the first stored row being the bottom one.
inline Decoded decode(const std::vector<uint8_t> &file, int width, int height) {
    Decoded d;
    d.width = width;
    for (int i = 0; i < 256; i++) {
        int b = file[18 + 3 * i], g = file[19 + 3 * i], r = file[20 + 3 * i];
        d.table[i] = uint16_t((r & 0xF8) << 8 | (g & 0xFC) << 3 | b >> 3);
    }
    for (int r = 0; r < height; r++)
        for (int x = 0; x < width; x++) d.pixels.push_back(d.table[file[786 + size_t(height - 1 - r) * width + x]]);
    return d;
}

// The file bytes of the named picture, painted afresh, and the picture as the game sees them.
inline std::vector<uint8_t> picture_bytes(const char *name) {
    for (const PictureFile &p : PICTURE_FILES)
        if (std::strcmp(p.name, name) == 0) return tga_bytes(quantise(p.paint()));
    return {};
}
inline Decoded load_picture(const char *name, int width, int height) {
    return decode(picture_bytes(name), width, height);
}

#endif
