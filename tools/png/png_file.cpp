// PNG through libpng's simplified interface, which checks the sizes and does the compression.
#include "tools/png/png_file.h"

#include <png.h>

#include <cstdio>

namespace {

const int RGB = 3;
const int RGBA = 4;

// Widens a 5- or 6-bit channel to 8 bits.
uint8_t widen(unsigned value, int bits) { return uint8_t((value << (8 - bits)) | (value >> (2 * bits - 8))); }

}  // namespace

PngPixels png_from_rgb565(const std::vector<uint16_t> &pixels, int width, int height) {
    PngPixels out;
    out.width = width;
    out.height = height;
    out.channels = RGB;
    out.bytes.reserve(size_t(width) * height * RGB);
    for (uint16_t p : pixels) {
        out.bytes.push_back(widen(p >> 11, 5));
        out.bytes.push_back(widen((p >> 5) & 0x3F, 6));
        out.bytes.push_back(widen(p & 0x1F, 5));
    }
    return out;
}

int write_png(const std::string &path, const PngPixels &pixels) {
    if (pixels.channels != RGB && pixels.channels != RGBA) return 0;
    if (pixels.width <= 0 || pixels.height <= 0) return 0;
    if (pixels.bytes.size() != size_t(pixels.width) * pixels.height * pixels.channels) return 0;
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    image.width = png_uint_32(pixels.width);
    image.height = png_uint_32(pixels.height);
    image.format = pixels.channels == RGBA ? PNG_FORMAT_RGBA : PNG_FORMAT_RGB;
    int written = png_image_write_to_file(&image, path.c_str(), 0, pixels.bytes.data(), 0, nullptr);
    png_image_free(&image);
    if (!written) std::remove(path.c_str());  // a half-written file is worse than none
    return written ? 1 : 0;
}

PngPixels read_png_rgba(const std::string &path) {
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    PngPixels out;
    if (!png_image_begin_read_from_file(&image, path.c_str())) return out;
    image.format = PNG_FORMAT_RGBA;
    std::vector<uint8_t> bytes(PNG_IMAGE_SIZE(image));
    if (!png_image_finish_read(&image, nullptr, bytes.data(), 0, nullptr)) {
        png_image_free(&image);
        return out;
    }
    out.width = int(image.width);
    out.height = int(image.height);
    out.channels = RGBA;
    out.bytes.swap(bytes);
    return out;
}
