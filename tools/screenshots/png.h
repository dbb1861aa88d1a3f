// A small PNG writer: 8-bit RGB, no filtering, stored (uncompressed) deflate blocks.
#ifndef VORLEN_TOOLS_PNG_H
#define VORLEN_TOOLS_PNG_H

#include <cstdint>
#include <string>
#include <vector>

// Writes width x height RGB565 pixels (row 0 at the top) as a PNG file; 1 when written.
int write_png(const std::string &path, const std::vector<uint16_t> &pixels, int width, int height);

#endif
