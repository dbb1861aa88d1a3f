// The hardware keys by name, by the device's code and by the host key that stands for each.
#include "platform/common/keys.h"

#include <cstring>

namespace {

struct HardwareKey {
    const char *name;
    WPARAM code;
    unsigned host;
};
#define DEVICE_KEY_ROW(name, code, host) {#name, code, host},
const HardwareKey HARDWARE_KEYS[] = {DEVICE_HARDWARE_KEYS(DEVICE_KEY_ROW)};
#undef DEVICE_KEY_ROW

}  // namespace

void device_host_key(unsigned virtual_key, bool down) {
    for (const HardwareKey &key : HARDWARE_KEYS)
        if (key.host == virtual_key) device_post(down ? WM_KEYDOWN : WM_KEYUP, key.code, 0);
}

int device_key_code(const char *name) {
    for (const HardwareKey &key : HARDWARE_KEYS)
        if (std::strcmp(key.name, name) == 0) return int(key.code);
    return -1;
}

const char *device_key_name(WPARAM code) {
    for (const HardwareKey &key : HARDWARE_KEYS)
        if (key.code == code) return key.name;
    return nullptr;
}
