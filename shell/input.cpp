// The game's side of input: pumping the messages that feed the InputState, and its readers.
#include "shell/present.h"
#include "shell/shell.h"

void present_and_pump(bool present) {
    if (present) present_frame();
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE)) {
        GetMessageW(&msg, nullptr, 0, 0);
        // The quit message ends the game as Quit does, whoever posted it.
        if (msg.message == WM_QUIT) close_requested = 1;
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

// Reports a waiting tap once: true when the stylus touched down since the last call.
bool take_tap() {
    bool waiting = input_state.tap_consumed == 0;
    input_state.tap_consumed = 1;
    return waiting;
}

int get_tap_x() { return input_state.tap_x; }
int get_tap_y() { return input_state.tap_y; }
int get_pen_x() { return input_state.pen_x; }
int get_pen_y() { return input_state.pen_y; }
uint8_t is_pen_down() { return input_state.pen_down; }

// Reads a key latch and clears it: true once per press however long ago it was.
static bool take_latch(int32_t *latch) {
    bool pressed = *latch != 0;
    *latch = 0;
    return pressed;
}

bool take_key_a() { return take_latch(&input_state.key_a); }
bool take_key_b() { return take_latch(&input_state.key_b); }
bool take_key_c() { return take_latch(&input_state.key_c); }
bool take_key_start() { return take_latch(&input_state.key_start); }
bool is_left_held() { return input_state.key_left != 0; }
bool is_right_held() { return input_state.key_right != 0; }
bool is_up_held() { return input_state.key_up != 0; }
bool is_down_held() { return input_state.key_down != 0; }
