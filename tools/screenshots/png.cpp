// PNG output: the IHDR, IDAT and IEND chunks with their CRC-32, and a zlib stream of stored
// blocks with its Adler-32, which every PNG reader accepts.
#include "tools/screenshots/png.h"

#include <cstdio>

namespace {

#define STORED_BLOCK_MAX 65535

// CRC-32 (polynomial 0xEDB88320) over a chunk's type and data.
uint32_t crc32(const std::vector<uint8_t> &bytes, size_t from) {
    uint32_t crc = 0xFFFFFFFFu;
    for (size_t i = from; i < bytes.size(); i++) {
        crc ^= bytes[i];
        for (int bit = 0; bit < 8; bit++) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return crc ^ 0xFFFFFFFFu;
}

// Adler-32 of the uncompressed data, closing the zlib stream.
uint32_t adler32(const std::vector<uint8_t> &bytes) {
    uint32_t a = 1, b = 0;
    for (uint8_t byte : bytes) {
        a = (a + byte) % 65521;
        b = (b + a) % 65521;
    }
    return (b << 16) | a;
}

void put32(std::vector<uint8_t> &out, uint32_t value) {
    for (int shift = 24; shift >= 0; shift -= 8) out.push_back((uint8_t)(value >> shift));
}

// Appends one chunk: length, type, data, CRC of type and data.
void put_chunk(std::vector<uint8_t> &out, const char *type, const std::vector<uint8_t> &data) {
    put32(out, (uint32_t)data.size());
    size_t type_at = out.size();
    out.insert(out.end(), type, type + 4);
    out.insert(out.end(), data.begin(), data.end());
    std::vector<uint8_t> covered(out.begin() + (long)type_at, out.end());
    put32(out, crc32(covered, 0));
}

// The zlib stream: header, stored blocks of at most 65535 bytes, Adler-32.
std::vector<uint8_t> zlib_stored(const std::vector<uint8_t> &raw) {
    std::vector<uint8_t> out = {0x78, 0x01};
    size_t at = 0;
    do {
        size_t length = raw.size() - at < STORED_BLOCK_MAX ? raw.size() - at : STORED_BLOCK_MAX;
        bool last = at + length == raw.size();
        out.push_back(last ? 1 : 0);
        out.push_back((uint8_t)(length & 0xFF));
        out.push_back((uint8_t)(length >> 8));
        out.push_back((uint8_t)(~length & 0xFF));
        out.push_back((uint8_t)((~length >> 8) & 0xFF));
        out.insert(out.end(), raw.begin() + (long)at, raw.begin() + (long)(at + length));
        at += length;
    } while (at < raw.size());
    put32(out, adler32(raw));
    return out;
}

// Widens a 5- or 6-bit channel to 8 bits.
uint8_t widen(unsigned value, int bits) { return (uint8_t)((value << (8 - bits)) | (value >> (2 * bits - 8))); }

}  // namespace

// Each row starts with filter byte 0 and holds three bytes per pixel.
int write_png(const std::string &path, const std::vector<uint16_t> &pixels, int width, int height) {
    std::vector<uint8_t> raw;
    for (int y = 0; y < height; y++) {
        raw.push_back(0);
        for (int x = 0; x < width; x++) {
            uint16_t p = pixels[(size_t)(y * width + x)];
            raw.push_back(widen(p >> 11, 5));
            raw.push_back(widen((p >> 5) & 0x3F, 6));
            raw.push_back(widen(p & 0x1F, 5));
        }
    }
    std::vector<uint8_t> header;
    put32(header, (uint32_t)width);
    put32(header, (uint32_t)height);
    header.insert(header.end(), {8, 2, 0, 0, 0});  // 8-bit RGB, deflate, no filter, no interlace
    std::vector<uint8_t> file = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    put_chunk(file, "IHDR", header);
    put_chunk(file, "IDAT", zlib_stored(raw));
    put_chunk(file, "IEND", {});
    FILE *out = std::fopen(path.c_str(), "wb");
    if (!out) return 0;
    size_t written = std::fwrite(file.data(), 1, file.size(), out);
    return std::fclose(out) == 0 && written == file.size();
}
