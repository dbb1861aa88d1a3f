// A program for looking at the desktop device by hand: it starts through
// WinMain, shows a test card, marks each tap with a cross and prints its position, and ends
// when the window is closed. Run it with VORLEN_DISPLAY and VORLEN_SCALE to see each layout.
#include <cstdio>

#include "game/main_loop.h"
#include "graphics/draw.h"
#include "graphics/font.h"
#include "shell/shell.h"

namespace {

const int WHITE = 0xFFFF;
const int RED = 0xF800;
const int GREEN = 0x07E0;
const int BLUE = 0x001F;
const int PAUSE_MS = 30;

// The test card: colour bars, a grey ramp, a frame around the edge and the last tap's cross.
void draw_card(int tap_x, int tap_y) {
    clear_frame(0);
    fill_bar(0, 0, 79, 99, RED);
    fill_bar(80, 0, 159, 99, GREEN);
    fill_bar(160, 0, 239, 99, BLUE);
    for (int i = 0; i < 32; ++i) fill_bar(i * 7 + 8, 110, i * 7 + 14, 140, i << 11 | i << 6 | i);
    draw_box(0, 0, 239, 319, WHITE);
    print_text("DEVICE CHECK", 70, 160, WHITE);
    print_text("TAP ANYWHERE", 70, 180, WHITE);
    if (tap_x >= 0) {
        draw_hline(tap_x - 10, tap_y, 21, WHITE);
        draw_vline(tap_x, tap_y - 10, 21, WHITE);
    }
}

}  // namespace

void run_game() {
    int tap_x = -1, tap_y = -1;
    while (!close_requested) {
        draw_card(tap_x, tap_y);
        present_and_pump(true);
        if (take_tap()) {
            tap_x = get_tap_x();
            tap_y = get_tap_y();
            std::printf("tap %d %d\n", tap_x, tap_y);
            std::fflush(stdout);
        }
        Sleep(PAUSE_MS);
    }
}
