// The browser device's display on the page's canvas, its clock, its pause and its executable's
// place; the hooks the shared window services call.
#include <emscripten.h>

#include "platform/common/display.h"
#include "platform/common/files.h"
#include "platform/common/scanout.h"
#include "platform/common/windows.h"

namespace {

const char16_t MODULE_PATH[] = u"\\vorlen\\vorlen.exe";  // Graph and Sound are packed beside it

uint16_t picture[DEVICE_DISPLAY_WIDTH * DEVICE_DISPLAY_HEIGHT];     // the last frame scanned out
uint8_t rgba[DEVICE_DISPLAY_WIDTH * DEVICE_DISPLAY_HEIGHT * 4];     // the same as the canvas takes it

// Shows the picture; the page also keeps how long presenting took, scan-out included.
EM_JS(void, web_show_picture, (const uint8_t *pixels, int size, double started),
      { VorlenDevice.showPicture(HEAPU8.subarray(pixels, pixels + size), started); });
EM_JS(void, web_show_canvas, (int shown), { VorlenDevice.showCanvas(shown); });

}  // namespace

void device_record_call(const char *) {}
DWORD device_message_time() { return GetTickCount(); }
// Each page is a device of its own: there is never another instance to find.
bool device_other_instance_running() { return false; }
void device_show_other_instance() {}
void device_window_changed() { web_show_canvas(device_window_visible() ? 1 : 0); }

int GXOpenDisplay(HWND, DWORD) { return 1; }
int GXCloseDisplay(void) { return 1; }

int GXEndDraw(void) {
    double started = emscripten_get_now();
    scan_out(device_display_properties(), device_display_origin(), picture);
    picture_to_rgba(picture, rgba);
    web_show_picture(rgba, int(sizeof rgba), started);
    return 1;
}

// The page's monotonic clock, wrapping at 2^32 like the device's tick count.
DWORD GetTickCount(void) { return DWORD(uint64_t(emscripten_get_now())); }

// Unwinds to the browser for the pause, so the page draws and takes input meanwhile.
void Sleep(DWORD dwMilliseconds) { emscripten_sleep(dwMilliseconds); }

DWORD GetModuleFileNameW(HMODULE, LPWSTR lpFilename, DWORD nSize) {
    return device_copy_module_path(MODULE_PATH, lpFilename, nSize);
}
