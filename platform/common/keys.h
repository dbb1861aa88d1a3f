// The hardware keys as a host keyboard names them by Windows' virtual-key codes, which the
// Windows device receives and a browser's key codes repeat.
#ifndef VORLEN_PLATFORM_COMMON_KEYS_H
#define VORLEN_PLATFORM_COMMON_KEYS_H

// Posts the device's key message for a host key going down or up: the arrow keys, A, B, C and
// Enter are the hardware keys; any other key is ignored.
void device_host_key(unsigned virtual_key, bool down);

#endif
