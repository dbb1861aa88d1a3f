// The shell's services for the game: start-up state, the one-shot tap and the other readers of
// the input state, presenting the frame and pumping messages, and the millisecond tick clock.
#ifndef VORLEN_SHELL_SHELL_H
#define VORLEN_SHELL_SHELL_H

#include <cstdint>

#include "platform/device.h"

// The off-screen frame: 240 x 320 RGB565 pixels, allocated by WinMain for the whole run.
extern uint16_t *BackBuffer;
// The one window; 0 until window creation returns.
extern HWND main_window;
// The display geometry kept from GXGetDisplayProperties for presentation.
extern int32_t cBPP, cbxPitch, cbyPitch;

// The stylus and key state written by window_proc during message dispatch.
struct InputState {
    uint8_t tap_consumed;  // 1: no tap waiting; 0: the stylus touched down since the last take_tap
    int32_t tap_x, tap_y;  // position of the latest pen-down
    int32_t pen_x, pen_y;  // position of the latest stylus movement
    uint8_t pen_down;      // 1 while the stylus touches the screen
    int32_t key_a, key_b, key_c, key_start;             // latches, cleared only by their readers
    int32_t key_left, key_right, key_up, key_down;      // held state
    GXKeyList keys;        // the device's key codes, copied at start-up
};
extern InputState input_state;

// 1 once the window has been destroyed (a close request) or the quit message has arrived; the
// game's main loop reads it and ends the way Quit does. 0 from start-up until then.
extern uint8_t close_requested;

ATOM register_window_class(HINSTANCE instance);
int create_main_window(HINSTANCE instance, int show_command);
LRESULT CALLBACK window_proc(HWND window, UINT message, WPARAM w_param, LPARAM l_param);
void set_full_screen(bool show_task_bar);

void present_and_pump(bool present);
bool take_tap();
int get_tap_x();
int get_tap_y();
int get_pen_x();
int get_pen_y();
uint8_t is_pen_down();
bool take_key_a();
bool take_key_b();
bool take_key_c();
bool take_key_start();
bool is_left_held();
bool is_right_held();
bool is_up_held();
bool is_down_held();

uint32_t get_ticks();
void mark_time();
int32_t ms_since_mark();

void format_clock(int seconds, char *out);  // out: at least 9 bytes
void format_int(int value, char *out);      // out: at least 12 bytes (sign, 10 digits, zero)

#endif
