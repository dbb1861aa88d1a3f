// Loading one file as every picture layout.
#include "tools/fuzz/tga_layouts.h"

#include <cstddef>
#include <vector>

#include "graphics/tga.h"

namespace {

struct Layout {
    int width, height;
    uint8_t colour_mapped;
};

// The board and a piece as the game loads them, and odd sizes of both kinds.
const Layout LAYOUTS[] = {{240, 240, 1}, {30, 30, 1}, {1, 1, 1}, {7, 3, 0}, {30, 30, 0}};

}  // namespace

void load_every_layout(LPCWSTR path) {
    for (const Layout &layout : LAYOUTS) {
        std::vector<uint16_t> picture(size_t(layout.width) * size_t(layout.height));
        load_tga(path, layout.width, layout.height, picture.data(), layout.colour_mapped);
    }
}
