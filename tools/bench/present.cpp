// Prints what present_frame costs per frame on this machine for each display layout it serves,
// on the test device (display memory in RAM; frames counted but not copied).
#include <chrono>
#include <cstdio>
#include <vector>

#include "game/main_loop.h"
#include "platform/headless/headless.h"
#include "shell/present.h"
#include "shell/shell.h"

namespace {

const int FRAMES = 2000;  // frames timed per layout, after one untimed frame to warm the caches

struct Layout {
    const char *name;
    int32_t bpp, x_pitch, y_pitch;
};
const Layout LAYOUTS[] = {
    {"16-bit packed (one block)", 16, 2, 480},
    {"16-bit padded rows (512)", 16, 2, 512},
    {"16-bit rotated (-640, 2)", 16, -640, 2},
    {"16-bit bottom-up (640, -2)", 16, 640, -2},
    {"16-bit odd pitches (3, 721)", 16, 3, 721},
    {"4-bit grey", 4, 0, 0},
    {"2-bit grey", 2, 1, 60},
};

// Microseconds per presented frame on one layout.
double time_layout(const Layout &layout) {
    headless_reset();
    headless_record_frames(false);
    device_set_display(layout.bpp, layout.x_pitch, layout.y_pitch);
    cBPP = layout.bpp;
    cbxPitch = layout.x_pitch;
    cbyPitch = layout.y_pitch;
    present_frame();
    auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < FRAMES; ++i) {
        BackBuffer[i % (240 * 320)] = uint16_t(i);  // a changing frame, as in play
        present_frame();
    }
    std::chrono::duration<double, std::micro> spent = std::chrono::steady_clock::now() - start;
    return spent.count() / FRAMES;
}

}  // namespace

// The shell calls the game's main loop; the benchmark never starts it.
void run_game() {}

int main() {
    std::vector<uint16_t> frame(240 * 320);
    for (size_t i = 0; i < frame.size(); ++i) frame[i] = uint16_t(i * 40503u);
    BackBuffer = frame.data();
    std::printf("present_frame, %d frames per layout\n", FRAMES);
    for (const Layout &layout : LAYOUTS) {
        double us = time_layout(layout);
        std::printf("  %-30s %8.1f us/frame  %7.0f frames/s\n", layout.name, us, 1e6 / us);
    }
    BackBuffer = nullptr;
    return 0;
}
