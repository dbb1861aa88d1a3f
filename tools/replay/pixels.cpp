// Raw RGBA files: exactly the bytes, so that a browser's canvas can be compared with them.
#include <cstdio>

#include "tools/replay/pixels.h"

int write_rgba_file(const std::string &path, const std::vector<uint8_t> &rgba) {
    std::FILE *file = std::fopen(path.c_str(), "wb");
    if (!file) return 0;
    bool written = std::fwrite(rgba.data(), 1, rgba.size(), file) == rgba.size();
    if (std::fclose(file) != 0) written = false;
    if (!written) std::remove(path.c_str());  // a half-written file is worse than none
    return written ? 1 : 0;
}
