// A 240 x 320 test frame set between two guard bands, so a test can tell that a primitive wrote
// nothing outside the frame, and readers of what was drawn.
#ifndef VORLEN_TESTS_GRAPHICS_GUARDED_FRAME_H
#define VORLEN_TESTS_GRAPHICS_GUARDED_FRAME_H

#include <cstdint>
#include <vector>

#include "graphics/draw.h"

struct GuardedFrame {
    static constexpr int GUARD = 4096;            // guard pixels before and after the frame
    static constexpr uint16_t SENTINEL = 0xA5C3;  // what the guards hold
    std::vector<uint16_t> memory;

    GuardedFrame() : memory(FRAME_WIDTH * FRAME_HEIGHT + 2 * GUARD, SENTINEL) {
        for (int i = 0; i < FRAME_WIDTH * FRAME_HEIGHT; i++) frame()[i] = 0;
    }
    uint16_t *frame() { return memory.data() + GUARD; }
    uint16_t at(int x, int y) { return frame()[y * FRAME_WIDTH + x]; }
    // Whether both guard bands still hold only the sentinel.
    bool guards_intact() const {
        for (int i = 0; i < GUARD; i++) {
            if (memory[i] != SENTINEL || memory[memory.size() - 1 - i] != SENTINEL) return false;
        }
        return true;
    }
    // The pixels that are not 0, as (x, y) pairs in row order.
    std::vector<std::pair<int, int>> lit() {
        std::vector<std::pair<int, int>> points;
        for (int y = 0; y < FRAME_HEIGHT; y++) {
            for (int x = 0; x < FRAME_WIDTH; x++) {
                if (at(x, y) != 0) points.push_back({x, y});
            }
        }
        return points;
    }
};

#endif
