// Prints the cost of the text and line primitives as the game uses them (the clock line, the
// crossed-out speaker) and of the other primitives, in nanoseconds per call on this host.
#include <chrono>
#include <cstdio>
#include <cstdint>
#include <vector>

#include "graphics/draw.h"
#include "graphics/font.h"

namespace {

const int ROUNDS = 20000;  // calls timed per figure
const float SOUND_CROSS[6][4] = {{222, 303, 238, 319}, {222, 319, 238, 303}, {223, 303, 239, 319},
                                 {223, 319, 239, 303}, {224, 303, 240, 319}, {224, 319, 240, 303}};
const char *const CLOCK_LINE = "    5:00            4:59";

// Runs work ROUNDS times and prints the mean time per call.
template <typename Work>
void report(const char *name, Work work) {
    auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < ROUNDS; i++) work(i);
    auto elapsed = std::chrono::steady_clock::now() - start;
    double ns = std::chrono::duration<double, std::nano>(elapsed).count() / ROUNDS;
    std::printf("%-44s %10.0f ns\n", name, ns);
}

}  // namespace

// Times each primitive on a private frame and prints one line per figure.
int main() {
    std::vector<uint16_t> frame(FRAME_WIDTH * FRAME_HEIGHT, 0);
    draw_target = frame.data();
    build_font();
    std::printf("vorlen drawing primitives, mean of %d calls each\n", ROUNDS);
    report("print_text clock line (24 characters)", [](int) { print_text(CLOCK_LINE, 10, 247, 0xFFFF); });
    report("clock line with its shadow (2 prints)", [](int) {
        print_text(CLOCK_LINE, 11, 248, 0x0000);
        print_text(CLOCK_LINE, 10, 247, 0xFFFF);
    });
    report("print_text one character", [](int) { print_text("8", 10, 247, 0xFFFF); });
    report("print_text 30 characters, clipped at the edge", [](int) {
        print_text("##############################", 200, 316, 0xFFFF);
    });
    report("draw_line one sound cross line (16 points)", [](int i) {
        const float *l = SOUND_CROSS[i % 6];
        draw_line(l[0], l[1], l[2], l[3], 0xF800);
    });
    report("draw_line the whole sound cross (6 lines)", [](int) {
        for (const auto &l : SOUND_CROSS) draw_line(l[0], l[1], l[2], l[3], 0xF800);
    });
    report("draw_line frame diagonal (319 points)", [](int) { draw_line(0, 0, 239, 319, 0x07E0); });
    report("draw_line far outside the frame (clipped)", [](int) { draw_line(-300, 100, 600, 110, 1); });
    report("draw_box 230 x 14 outline", [](int) { draw_box(5, 244, 234, 257, 0xFFFF); });
    report("fill_bar 30 x 30 square", [](int) { fill_bar(30, 30, 59, 60, 0x1234); });
    report("clear_frame", [](int i) { clear_frame(i); });
    release_font();
    return 0;
}
