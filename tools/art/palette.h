// Reduction of a painted layer to the game's picture form: a 256-entry colour map whose
// entry 0 is the transparent pure red, and one index byte per pixel.
#ifndef VORLEN_TOOLS_ART_PALETTE_H
#define VORLEN_TOOLS_ART_PALETTE_H

#include <cstdint>
#include <vector>

#include "tools/art/layer.h"

#define PALETTE_SIZE 256
#define KEY_INDEX 0  // the map entry of pure red (255, 0, 0): transparent pixels and windows

struct MapEntry {
    uint8_t r, g, b;
};

struct IndexedPicture {
    int width = 0, height = 0;
    MapEntry map[PALETTE_SIZE];
    std::vector<uint8_t> index;  // rows from the top, left to right
};

IndexedPicture quantise(const Layer &layer);
uint16_t to_rgb565(MapEntry e);

#endif
