// The real window's input as the device's messages: the left mouse button is the stylus, keys
// are the hardware keys as on the SDL device, activation and the close box pass on.
#include "platform/common/desktop.h"
#include "platform/common/windows.h"
#include "platform/win32/host.h"

namespace {

const unsigned HOST_VK_RETURN = 0x0D;  // Windows' virtual-key codes that differ from the device's
const unsigned HOST_VK_A = 'A';
const unsigned HOST_VK_B = 'B';
const unsigned HOST_VK_C = 'C';

// The keyboard keys that stand for the device's hardware keys.
struct KeyBinding {
    unsigned key;
    WPARAM code;
};
const KeyBinding KEY_BINDINGS[] = {
    {VK_UP, VK_UP},          {VK_DOWN, VK_DOWN},        {VK_LEFT, VK_LEFT},
    {VK_RIGHT, VK_RIGHT},    {HOST_VK_A, DEVICE_VK_A},  {HOST_VK_B, DEVICE_VK_B},
    {HOST_VK_C, DEVICE_VK_C}, {HOST_VK_RETURN, DEVICE_VK_START},
};

}  // namespace

void win32_button(int down, int x, int y) {
    if (down)
        device_stylus_press(x, y);
    else
        device_stylus_release(x, y);
}

void win32_mouse_move(int x, int y) { device_stylus_move(x, y); }

void win32_key(unsigned virtual_key, int down) {
    for (const KeyBinding &binding : KEY_BINDINGS)
        if (binding.key == virtual_key) device_post(down ? WM_KEYDOWN : WM_KEYUP, binding.code, 0);
}

void win32_activate(int active) { device_post(WM_ACTIVATE, WPARAM(active), 0); }

void win32_close_request() {
    if (device_window_alive()) device_post(WM_CLOSE, 0, 0);
}
