// Loading of TGA pictures. The caller names the size and the layout; the loader reads the whole
// file at once and takes the colour map and the pixels from their fixed places, flipping the
// bottom-up rows into top-down RGB565 rows.
#include "graphics/tga.h"

#include <cstdlib>

namespace {

const int HEADER_BYTES = 18;                // the TGA header, never read
const int MAP_ENTRIES = 256;                // colour-map entries of a colour-mapped file
const int MAP_BYTES = 3 * MAP_ENTRIES;      // blue, green, red per entry
const int SPARE_BYTES = 2;                  // read beyond the pixels and never used
const long long MAX_PIXELS = 1LL << 24;     // a larger picture is refused (no read size fits)

// A colour-map entry (blue, green, red bytes) as RGB565.
uint16_t map_entry_colour(const uint8_t *entry) {
    return (uint16_t)(((entry[2] & 0xF8) << 8) | ((entry[1] & 0xFC) << 3) | (entry[0] >> 3));
}

// A 16-bit file pixel (attribute, 5 red, 5 green, 5 blue) as RGB565; green's low bit stays 0.
uint16_t direct_colour(unsigned p) {
    return (uint16_t)((((p >> 10) & 0x1F) << 11) | (((p >> 5) & 0x1F) << 6) | (p & 0x1F));
}

// Converts colour-mapped pixels; a pixel whose byte lies beyond what was read is black.
void convert_mapped(const uint8_t *file, long long got, int width, int height, uint16_t *dest) {
    uint16_t table[MAP_ENTRIES];
    for (int i = 0; i < MAP_ENTRIES; i++) table[i] = map_entry_colour(file + HEADER_BYTES + 3 * i);
    for (int r = 0; r < height; r++) {
        long long row = HEADER_BYTES + MAP_BYTES + (long long)(height - 1 - r) * width;
        for (int x = 0; x < width; x++) {
            long long at = row + x;
            dest[(long long)r * width + x] = at < got ? table[file[at]] : 0;
        }
    }
}

// Converts 16-bit pixels; a pixel whose two bytes are not both in what was read is black.
void convert_direct(const uint8_t *file, long long got, int width, int height, uint16_t *dest) {
    for (int r = 0; r < height; r++) {
        long long row = HEADER_BYTES + 2LL * (height - 1 - r) * width;
        for (int x = 0; x < width; x++) {
            long long at = row + 2LL * x;
            unsigned p = (unsigned)file[at] | ((unsigned)file[at + 1] << 8);
            dest[(long long)r * width + x] = at + 1 < got ? direct_colour(p) : 0;
        }
    }
}

// The bytes a file of the layout holds up to the end of its pixels.
long long picture_bytes(int width, int height, uint8_t colour_mapped) {
    long long pixels = (long long)width * height;
    return colour_mapped ? HEADER_BYTES + MAP_BYTES + pixels : HEADER_BYTES + 2 * pixels;
}

}  // namespace

// Reads the file whole into a cleared buffer and converts it into dest. Returns 1 when the file
// was opened, read in full and closed; 0 when it is missing or cannot be opened (dest
// untouched), when it cannot be closed (dest untouched), when the size is refused, or when it
// is shorter than the picture (dest then holds what the file gives and black beyond).
int load_tga(LPCWSTR path, int width, int height, uint16_t *dest, uint8_t colour_mapped) {
    if (width <= 0 || height <= 0 || (long long)width * height > MAX_PIXELS) return 0;
    long long needed = picture_bytes(width, height, colour_mapped);
    long long read_size = needed + SPARE_BYTES;
    uint8_t *file = (uint8_t *)std::calloc((size_t)read_size, 1);
    if (file == nullptr) return 0;
    HANDLE handle = CreateFileW(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        std::free(file);
        return 0;
    }
    DWORD got = 0;
    if (!ReadFile(handle, file, (DWORD)read_size, &got, nullptr)) got = 0;
    if (!CloseHandle(handle)) {
        std::free(file);
        return 0;
    }
    if ((long long)got > read_size) got = (DWORD)read_size;
    if (colour_mapped) {
        convert_mapped(file, got, width, height, dest);
    } else {
        convert_direct(file, got, width, height, dest);
    }
    std::free(file);
    return (long long)got >= needed ? 1 : 0;
}
