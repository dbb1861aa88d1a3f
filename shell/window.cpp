// The window procedure and full-screen mode: stylus and key messages become the InputState,
// activation changes move the window around the task bar.
#include "shell/shell.h"

namespace {

const DWORD HIDE_ALL = SHFS_HIDETASKBAR | SHFS_HIDESIPBUTTON | SHFS_HIDESTARTICON;  // 0x2A
const DWORD SHOW_ALL = SHFS_SHOWTASKBAR | SHFS_SHOWSIPBUTTON | SHFS_SHOWSTARTICON;  // 0x15
const int TASKBAR_HEIGHT = 26;  // the task bar at the top and the command bar at the bottom

// One row of the key mapping: the device's code, the field it sets, and whether key-up clears it.
struct KeyMapping {
    short GXKeyList::*code;
    int32_t InputState::*field;
    bool held;  // true: a direction key, held while down; false: a latch cleared by its reader
};

// In the order the codes are compared; a code equal to several entries sets each field.
const KeyMapping KEY_MAPPING[] = {
    {&GXKeyList::vkA, &InputState::key_a, false},
    {&GXKeyList::vkB, &InputState::key_b, false},
    {&GXKeyList::vkC, &InputState::key_c, false},
    {&GXKeyList::vkStart, &InputState::key_start, false},
    {&GXKeyList::vkLeft, &InputState::key_left, true},
    {&GXKeyList::vkRight, &InputState::key_right, true},
    {&GXKeyList::vkUp, &InputState::key_up, true},
    {&GXKeyList::vkDown, &InputState::key_down, true},
};

// Sets on key-down every field whose code matches, and clears on key-up the held ones.
void key_changed(int16_t code, bool down) {
    for (const KeyMapping &key : KEY_MAPPING)
        if (input_state.keys.*key.code == code && (down || key.held)) input_state.*key.field = down ? 1 : 0;
}

}  // namespace

HWND main_window = nullptr;
InputState input_state{};
uint8_t close_requested = 0;

LRESULT CALLBACK window_proc(HWND window, UINT message, WPARAM w_param, LPARAM l_param) {
    switch (message) {
    case WM_CREATE:
    case WM_ENABLE:
    case WM_SETTINGCHANGE:
        set_full_screen(false);
        return 0;
    case WM_ACTIVATE:
        if (LOWORD(w_param) == WA_INACTIVE) set_full_screen(true);
        if (LOWORD(w_param) == WA_ACTIVE) set_full_screen(false);
        return 0;
    case WM_DESTROY:
        // The window is gone: the game must end as on Quit rather than run on invisibly.
        close_requested = 1;
        PostQuitMessage(0);
        return 0;
    case WM_KEYDOWN:
        key_changed(int16_t(LOWORD(w_param)), true);
        return 0;
    case WM_KEYUP:
        key_changed(int16_t(LOWORD(w_param)), false);
        return 0;
    case WM_MOUSEMOVE:
        input_state.pen_x = LOWORD(l_param);
        input_state.pen_y = HIWORD(l_param);
        return 0;
    case WM_LBUTTONDOWN:
        input_state.tap_x = LOWORD(l_param);
        input_state.tap_y = HIWORD(l_param);
        input_state.tap_consumed = 0;
        input_state.pen_down = 1;
        return 0;
    case WM_LBUTTONUP:
        input_state.pen_down = 0;
        return 0;
    default:
        return DefWindowProcW(window, message, w_param, l_param);
    }
}

void set_full_screen(bool show_task_bar) {
    // Before the window exists the window calls fail and the rectangle stays empty.
    RECT rect{0, 0, 0, 0};
    GetWindowRect(main_window, &rect);
    HWND taskbar = FindWindowW(u"HHTaskbar", nullptr);
    if (!show_task_bar) {
        SHFullScreen(main_window, HIDE_ALL);
        ShowWindow(taskbar, SW_HIDE);
        MoveWindow(main_window, rect.left, rect.top - TASKBAR_HEIGHT, rect.right, rect.bottom + TASKBAR_HEIGHT,
                   TRUE);
    } else {
        SHFullScreen(main_window, SHOW_ALL);
        ShowWindow(taskbar, SW_SHOW);
        MoveWindow(main_window, rect.left, rect.top + TASKBAR_HEIGHT, rect.right,
                   rect.bottom - 2 * TASKBAR_HEIGHT, TRUE);
    }
}
