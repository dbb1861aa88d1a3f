// The hardware keys, the one table of them: the name a session gives each, the code the device's
// key messages carry (what GXGetDefaultKeys names), and the Windows virtual-key code of the host
// keyboard's key that stands for it, which the Windows device receives, the desktop's keys are
// turned into and a browser's key codes repeat (the site's build writes them into events.js from
// these lines).
#ifndef VORLEN_PLATFORM_COMMON_KEYS_H
#define VORLEN_PLATFORM_COMMON_KEYS_H

#include "platform/common/windows.h"

#define DEVICE_HARDWARE_KEYS(KEY)      \
    KEY(up, VK_UP, 0x26)               \
    KEY(down, VK_DOWN, 0x28)           \
    KEY(left, VK_LEFT, 0x25)           \
    KEY(right, VK_RIGHT, 0x27)         \
    KEY(a, DEVICE_VK_A, 0x41)          \
    KEY(b, DEVICE_VK_B, 0x42)          \
    KEY(c, DEVICE_VK_C, 0x43)          \
    KEY(start, DEVICE_VK_START, 0x0D)

// Posts the device's key message for a host key going down or up: the arrow keys, A, B, C and
// Enter are the hardware keys; any other key is ignored.
void device_host_key(unsigned virtual_key, bool down);
// A hardware key's code by its name, -1 for no such name; a code's name, null for none.
int device_key_code(const char *name);
const char *device_key_name(WPARAM code);

#endif
