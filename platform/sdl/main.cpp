// The desktop's entry: start the device, run the game's WinMain, end the kept game the person
// ended, stop the device; or, with
// VORLEN_CHECK_FILES=1, check the game's files instead.
#include <cstdlib>
#include <cstring>

#include "platform/device.h"
#include "platform/sdl/sdl_device.h"

int main() {
    const char *check = std::getenv("VORLEN_CHECK_FILES");
    if (check && std::strcmp(check, "1") == 0) return sdl_check_files();
    if (!sdl_device_start()) return 1;
    static WCHAR command_line[1] = {0};  // the game takes no arguments
    int code = WinMain(nullptr, nullptr, command_line, SW_SHOW);
    sdl_device_run_ended();
    sdl_device_stop();
    return code;
}
