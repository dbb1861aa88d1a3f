// A frame's pixels written to a file: raw RGBA bytes (240 x 320 x 4, rows from the top), or a
// PNG file where the build has libpng.
#ifndef VORLEN_TOOLS_REPLAY_PIXELS_H
#define VORLEN_TOOLS_REPLAY_PIXELS_H

#include <cstdint>
#include <string>
#include <vector>

// Writes 240 x 320 RGBA pixels as raw bytes; 1 when written.
int write_rgba_file(const std::string &path, const std::vector<uint8_t> &rgba);
// Writes them as a PNG file; 1 when written, 0 when not (or when this build writes no PNG).
int write_png_file(const std::string &path, const std::vector<uint8_t> &rgba);

#endif
