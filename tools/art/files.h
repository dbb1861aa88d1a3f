// The byte layouts of the game's files: colour-mapped TGA pictures and PCM WAV sounds.
#ifndef VORLEN_TOOLS_ART_FILES_H
#define VORLEN_TOOLS_ART_FILES_H

#include <cstdint>
#include <string>
#include <vector>

#include "tools/art/palette.h"

#define TGA_HEADER_BYTES 18
#define TGA_MAP_BYTES (3 * PALETTE_SIZE)
#define WAV_HEADER_BYTES 44
#define SAMPLE_RATE 22050

std::vector<uint8_t> tga_bytes(const IndexedPicture &picture);
std::vector<uint8_t> wav_bytes(const std::vector<int16_t> &samples);
int write_file(const std::string &path, const std::vector<uint8_t> &bytes);

#endif
