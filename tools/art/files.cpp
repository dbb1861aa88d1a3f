// Writing pictures and sounds in the layouts the game and the device read.
#include "tools/art/files.h"

#include <cstdio>

namespace {

const uint8_t TGA_COLOUR_MAPPED = 1;  // image type: uncompressed, colour-mapped
const uint8_t MAP_ENTRY_BITS = 24;
const uint8_t INDEX_BITS = 8;

// Appends a little-endian value of `bytes` bytes.
void put(std::vector<uint8_t> &out, uint32_t value, int bytes) {
    for (int i = 0; i < bytes; i++) out.push_back(uint8_t(value >> (8 * i)));
}

}  // namespace

// A standard TGA file: no identification field, 256 map entries of blue, green, red, one
// byte per pixel, rows from the bottom of the picture up (origin at the lower left).
std::vector<uint8_t> tga_bytes(const IndexedPicture &picture) {
    std::vector<uint8_t> out;
    put(out, 0, 1);  // identification length
    put(out, 1, 1);  // a colour map is present
    put(out, TGA_COLOUR_MAPPED, 1);
    put(out, 0, 2);  // first map entry
    put(out, PALETTE_SIZE, 2);
    put(out, MAP_ENTRY_BITS, 1);
    put(out, 0, 2);  // x origin
    put(out, 0, 2);  // y origin
    put(out, uint32_t(picture.width), 2);
    put(out, uint32_t(picture.height), 2);
    put(out, INDEX_BITS, 1);
    put(out, 0, 1);  // descriptor: lower-left origin, no attribute bits
    for (const MapEntry &e : picture.map) {
        out.push_back(e.b);
        out.push_back(e.g);
        out.push_back(e.r);
    }
    for (int y = picture.height - 1; y >= 0; y--)
        for (int x = 0; x < picture.width; x++) out.push_back(picture.index[size_t(y) * picture.width + x]);
    return out;
}

// A canonical RIFF WAVE file of 16-bit mono PCM samples at the art's sample rate.
std::vector<uint8_t> wav_bytes(const std::vector<int16_t> &samples) {
    uint32_t data = uint32_t(samples.size() * 2);
    std::vector<uint8_t> out;
    for (char c : std::string("RIFF")) out.push_back(uint8_t(c));
    put(out, 36 + data, 4);
    for (char c : std::string("WAVEfmt ")) out.push_back(uint8_t(c));
    put(out, 16, 4);  // format chunk size
    put(out, 1, 2);   // PCM
    put(out, 1, 2);   // mono
    put(out, SAMPLE_RATE, 4);
    put(out, SAMPLE_RATE * 2, 4);  // bytes per second
    put(out, 2, 2);                // bytes per sample frame
    put(out, 16, 2);               // bits per sample
    for (char c : std::string("data")) out.push_back(uint8_t(c));
    put(out, data, 4);
    for (int16_t s : samples) put(out, uint16_t(s), 2);
    return out;
}

// Writes the bytes to the file; 1 on success, 0 when it cannot be written whole.
int write_file(const std::string &path, const std::vector<uint8_t> &bytes) {
    FILE *f = std::fopen(path.c_str(), "wb");
    if (!f) return 0;
    size_t written = std::fwrite(bytes.data(), 1, bytes.size(), f);
    int closed = std::fclose(f) == 0;
    return written == bytes.size() && closed ? 1 : 0;
}
