// The browser device's display, clock, pause and executable's place, run in the page's worker;
// the hooks the shared window services call. Frames go to the page as their changed part only,
// and while the page is hidden (the handheld switched off) none is presented but the one the
// game pauses on, the frame kept. A replayed session's clock (platform/common/session_device.h)
// stands in for the page's.
#include <emscripten.h>

#include "platform/common/change.h"
#include "platform/common/display.h"
#include "platform/common/files.h"
#include "platform/common/keep.h"
#include "platform/common/scanout.h"
#include "platform/common/session_device.h"
#include "platform/common/windows.h"
#include "platform/web/internal.h"

namespace {

const char16_t MODULE_PATH[] = u"\\vorlen\\vorlen.exe";  // Graph and Sound are packed beside it

uint16_t picture[DEVICE_DISPLAY_WIDTH * DEVICE_DISPLAY_HEIGHT];  // the frame just scanned out
uint8_t rgba[DEVICE_DISPLAY_WIDTH * DEVICE_DISPLAY_HEIGHT * 4];  // a changed part as the canvas takes it

// Sends the page a part of the picture; it also keeps how long presenting took, scan-out included.
EM_JS(void, web_show_part, (int left, int top, int width, int height, const uint8_t *pixels, double started), {
    VorlenWorker.showPart(left, top, width, height, HEAPU8.slice(pixels, pixels + width * height * 4), started);
});
EM_JS(void, web_show_canvas, (int shown), { VorlenWorker.showCanvas(shown); });
EM_JS(int, web_suspended, (), { return VorlenWorker.suspended() ? 1 : 0; });
EM_JS(double, web_ticks, (), { return VorlenWorker.ticks(); });
// Counts a presented frame, shown or not, so that a replay can stop at a frame by its number.
EM_JS(void, web_presented, (), { VorlenWorker.presented(); });
// Waits for the pause in the worker's event loop, and while the page is hidden until it is
// shown again, so a hidden page's game neither runs nor wakes.
EM_ASYNC_JS(void, web_pause, (double ms), { await VorlenWorker.pause(ms); });
// The same pause without leaving this call, where the page shares memory with the worker (its
// messages arrive there): 1 when it was waited, PAUSE_HIDDEN when the page was hidden meanwhile
// (the kept game is brought up to date before the pause goes on), 0 when the pause must go
// through the event loop instead.
EM_JS(int, web_pause_here, (double ms), { return VorlenWorker.pauseHere(ms); });
// Whether the game is to stop at this frame (it moves to another tab).
EM_JS(int, web_stopping, (), { return VorlenWorker.stopping() ? 1 : 0; });

const int PAUSE_HIDDEN = 2;

// Scans the frame out and sends the page the part it does not show yet.
void show_frame() {
    double started = emscripten_get_now();
    scan_out(device_display_properties(), device_display_origin(), picture);
    PixelRect change = frame_change(picture, device_display_properties(), DEVICE_DISPLAY_WIDTH, DEVICE_DISPLAY_HEIGHT);
    if (rect_is_empty(change)) return;
    part_to_rgba(picture, change, rgba);
    web_show_part(change.left, change.top, change.right - change.left, change.bottom - change.top, rgba, started);
}

}  // namespace

void device_record_call(const char *) {}
// The clock without a read of it: a replay's clock moves on at each read.
DWORD device_message_time() { return device_session_time(web_page_ticks()); }
// Each page is a device of its own: there is never another instance to find.
bool device_other_instance_running() { return false; }
void device_show_other_instance() {}
void device_window_changed() { web_show_canvas(device_window_visible() ? 1 : 0); }

int GXOpenDisplay(HWND, DWORD) { return 1; }
int GXCloseDisplay(void) { return 1; }

// A kept game playing back shows only the frame it reaches; a game about to move to another tab
// is kept as it is at this frame first.
int GXEndDraw(void) {
    if (web_keep_frame() == KEEP_CATCHING_UP) return 1;
    if (!web_suspended()) show_frame();
    if (web_stopping()) web_keep_store(true);
    web_presented();
    return 1;
}

uint32_t web_page_ticks() { return uint32_t(uint64_t(web_ticks())); }

// The device's tick count: milliseconds the page has been shown, wrapping at 2^32 (after a
// resume, going on from the kept game's last reading).
DWORD GetTickCount(void) { return device_session_clock(web_page_ticks()); }

// Pauses so that the page's events and visibility reach the game meanwhile: in shared memory
// where the page is cross-origin isolated, else through the worker's event loop. A kept game
// playing back does not pause; the kept text is brought up to date before each pause, at once
// when the page is hidden (through the event loop, a page hidden during a pause is seen at the
// next one). A page hidden while the game computed a frame did not show it: the frame goes to
// the page's canvas before it is kept, so that the canvas the page shows again and the frame a
// resume starts on are the same.
void Sleep(DWORD dwMilliseconds) {
    if (!device_session_sleep(dwMilliseconds)) return;
    bool hidden = web_suspended();
    if (hidden) show_frame();
    web_keep_store(hidden);
    int waited;
    while ((waited = web_pause_here(double(dwMilliseconds))) == PAUSE_HIDDEN) web_keep_store(true);
    if (!waited) web_pause(double(dwMilliseconds));
}

DWORD GetModuleFileNameW(HMODULE, LPWSTR lpFilename, DWORD nSize) {
    return device_copy_module_path(MODULE_PATH, lpFilename, nSize);
}
