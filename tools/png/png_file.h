// PNG files written through libpng: compressed, 8 bits a channel.
#ifndef VORLEN_TOOLS_PNG_PNG_FILE_H
#define VORLEN_TOOLS_PNG_PNG_FILE_H

#include <cstdint>
#include <string>
#include <vector>

// Pixels of 3 (RGB) or 4 (RGBA, straight alpha) bytes, rows from the top, packed.
struct PngPixels {
    int width = 0, height = 0, channels = 3;
    std::vector<uint8_t> bytes;
};

// Widens RGB565 pixels (row 0 at the top) to 8-bit RGB, each channel's top bits repeated.
PngPixels png_from_rgb565(const std::vector<uint16_t> &pixels, int width, int height);
// Writes the pixels as a PNG file; 1 when written, 0 (nothing left behind) when not.
int write_png(const std::string &path, const PngPixels &pixels);
// Reads a PNG file as 8-bit RGBA; an empty result (width 0) when it is not a readable PNG.
PngPixels read_png_rgba(const std::string &path);

#endif
