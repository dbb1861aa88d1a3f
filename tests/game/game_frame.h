// A frame and a set of plain pictures for testing game drawing without starting WinMain.
#ifndef VORLEN_TESTS_GAME_FRAME_H
#define VORLEN_TESTS_GAME_FRAME_H

#include <cstddef>
#include <cstdint>
#include <vector>

// Owns the frame and every picture buffer the game draws from, and points the game, the
// drawing primitives and the shell at them; the device is reset to its power-on state.
struct GameFrame {
    GameFrame();
    ~GameFrame();
    uint16_t pixel(int x, int y) const { return frame_pixels[(std::size_t)(y * 240 + x)]; }
    std::vector<uint16_t> frame_pixels;
};

#endif
