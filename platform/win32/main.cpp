// The Windows entry: start the device, run the game's WinMain, end the kept game the person
// ended, stop the device.
#include "platform/device.h"
#include "platform/win32/win32_device.h"

int main() {
    if (!win32_device_start()) return 1;
    static WCHAR command_line[1] = {0};  // the game takes no arguments
    int code = WinMain(nullptr, nullptr, command_line, SW_SHOW);
    win32_device_run_ended();
    win32_device_stop();
    return code;
}
