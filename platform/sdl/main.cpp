// The desktop's entry: start the device, run the game's WinMain, stop the device.
#include "platform/device.h"
#include "platform/sdl/sdl_device.h"

int main() {
    if (!sdl_device_start()) return 1;
    static WCHAR command_line[1] = {0};  // the game takes no arguments
    int code = WinMain(nullptr, nullptr, command_line, SW_SHOW);
    sdl_device_stop();
    return code;
}
