// A build without libpng (the cross builds) writes raw RGBA only.
#include <cstdio>

#include "tools/replay/pixels.h"

int write_png_file(const std::string &, const std::vector<uint8_t> &) {
    std::fprintf(stderr, "vorlen-replay: this build writes no PNG files; name a .rgba file\n");
    return 0;
}
