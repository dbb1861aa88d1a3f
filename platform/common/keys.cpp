// The keyboard keys that stand for the device's hardware keys, by Windows' virtual-key codes.
#include "platform/common/keys.h"

#include "platform/common/windows.h"

namespace {

const unsigned HOST_VK_RETURN = 0x0D;  // Windows' virtual-key codes that differ from the device's
const unsigned HOST_VK_A = 'A';
const unsigned HOST_VK_B = 'B';
const unsigned HOST_VK_C = 'C';

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

void device_host_key(unsigned virtual_key, bool down) {
    for (const KeyBinding &binding : KEY_BINDINGS)
        if (binding.key == virtual_key) device_post(down ? WM_KEYDOWN : WM_KEYUP, binding.code, 0);
}
