// The chess clocks and the strip between the board and the lower panel that shows them.
#include "game/clocks.h"

#include <cstdint>
#include <cstdio>

#include "engine/position.h"
#include "game/board_view.h"
#include "game/game_state.h"
#include "game/main_loop.h"
#include "graphics/draw.h"
#include "graphics/font.h"
#include "shell/shell.h"

namespace {

#define CLOCK_STRIP_HEIGHT 20
#define HALF_WIDTH 120
#define WHITE_ACTIVE_COLOUR 0x03E0  // bright green: White's clock runs
#define WHITE_IDLE_COLOUR 0x01E0
#define BLACK_ACTIVE_COLOUR 0x000F  // bright blue: Black's clock runs
#define BLACK_IDLE_COLOUR 0x0007
#define TEXT_COLOUR 0xFFFF
#define SHADOW_COLOUR 0x0000
#define MARK_COLOUR 0xFFFF

// Fills one half of the clock strip (fill_bar leaves out its bottom row).
void fill_half(int left, int colour) {
    fill_bar(left, CLOCK_STRIP_TOP, left + HALF_WIDTH - 1, CLOCK_STRIP_TOP + CLOCK_STRIP_HEIGHT, colour);
}

// A side that has used its whole budget loses; its clock stays at zero from then on.
void test_time_out(int colour) {
    if (time_used[colour] < time_budget[colour]) return;
    time_used[colour] = time_budget[colour];
    game_over = (uint8_t)(2 - colour);
    discard_taps();
}

// The remaining minutes and seconds of both sides, printed with a shadow.
void print_clock_text() {
    int32_t white_left = time_budget[White] - time_used[White];
    int32_t black_left = time_budget[Black] - time_used[Black];
    char text[64];
    std::snprintf(text, sizeof text, "    %d:%.2d            %d:%.2d", (int)(white_left / 60000),
                  (int)((white_left / 1000) % 60), (int)(black_left / 60000),
                  (int)((black_left / 1000) % 60));
    print_text(text, 11, 248, SHADOW_COLOUR);
    print_text(text, 10, 247, TEXT_COLOUR);
}

}  // namespace

// Elapsed ticks go to one side at a time; one reading serves both the charge and the new base.
// The time used stops at the largest count it holds, so an untimed game may run for ever.
void charge_clock(int colour) {
    uint32_t now = get_ticks();
    uint32_t elapsed = now - tick_base;  // the counter's wrap included
    uint32_t room = (uint32_t)(INT32_MAX - time_used[colour]);
    time_used[colour] += (int32_t)(elapsed < room ? elapsed : room);
    tick_base = now;
}

// Time spent away from play (menu, about, animations of a take-back) is charged to nobody.
void restart_clock() { tick_base = get_ticks(); }

// The strip shows whose clock runs (during a promotion choice, the promoting side's).
void draw_clocks() {
    int active = (side_to_move + promotion_pending) % 2;
    fill_half(0, active == White ? WHITE_ACTIVE_COLOUR : WHITE_IDLE_COLOUR);
    fill_half(HALF_WIDTH, active == Black ? BLACK_ACTIVE_COLOUR : BLACK_IDLE_COLOUR);
    if (time_control != TIME_CONTROL_UNTIMED) {
        test_time_out(White);
        test_time_out(Black);
        print_clock_text();
    }
    int left = active == White ? 0 : HALF_WIDTH;
    draw_box(left, CLOCK_STRIP_TOP, left + HALF_WIDTH - 1, CLOCK_STRIP_TOP + CLOCK_STRIP_HEIGHT - 1,
             MARK_COLOUR);
    draw_box(left + 1, CLOCK_STRIP_TOP + 1, left + HALF_WIDTH - 2,
             CLOCK_STRIP_TOP + CLOCK_STRIP_HEIGHT - 2, MARK_COLOUR);
    present_and_pump(true);
}

// Keeps the clock running while the computer thinks, and keeps the window answering.
void charge_running_clock() {
    charge_clock(side_to_move);
    draw_clocks();
}
