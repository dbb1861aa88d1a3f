// The Windows device's start and stop, the emulated display shown in the real window on every
// GXEndDraw (only the part the window does not show yet, nothing for an unchanged frame), its
// side of the shared window services, and its moments told to the session a person records or
// watches (VORLEN_RECORD, VORLEN_REPLAY).
#include <cstdio>
#include <cstdlib>

#include "platform/common/change.h"
#include "platform/common/desktop.h"
#include "platform/common/display.h"
#include "platform/common/keeping.h"
#include "platform/common/scanout.h"
#include "platform/common/session_device.h"
#include "platform/common/windows.h"
#include "platform/win32/host.h"
#include "platform/win32/win32_device.h"

namespace {

bool other_running = false;  // another instance's window was found at start
bool window_shown = false;   // the real window is shown
uint16_t picture[DEVICE_DISPLAY_WIDTH * DEVICE_DISPLAY_HEIGHT];  // the last scanned-out frame
void (*present_watch)() = nullptr;  // a test's look at each presented frame

}  // namespace

int win32_device_start() {
    device_layout_from_environment();
    other_running = host_other_instance_running();
    if (other_running) return 1;  // WinMain finds the running instance and shows it
    if (!std::getenv("VORLEN_REPLAY")) win32_keeping_start();
    if (!device_session_from_environment(host_ticks())) return 0;
    if (!host_window_open()) {
        std::fprintf(stderr, "vorlen: cannot open a window\n");
        win32_device_stop();
        return 0;
    }
    return 1;
}

void win32_device_run_ended() { keeping_run_ended(); }

void win32_device_stop() {
    device_session_stop();
    host_window_close();
    window_shown = false;
    frame_forget();
}

namespace {

// Sends the window the part of the last scanned-out picture it does not show yet, if any.
void show_changes() {
    int width, height;
    host_client_size(&width, &height);
    PixelRect part = frame_change(picture, device_display_properties(), width, height);
    if (!rect_is_empty(part)) host_window_present(picture, part.left, part.top, part.right, part.bottom);
}

}  // namespace

// The real window follows the game's: shown while it is alive and visible (and not while a kept
// game plays back).
void device_window_changed() {
    bool shown = device_window_visible() && !device_session_catching_up();
    if (shown == window_shown) return;
    window_shown = shown;
    host_window_show(shown ? 1 : 0);
    if (shown) show_changes();
}

void win32_device_on_present(void (*watch)()) { present_watch = watch; }
const uint16_t *win32_device_picture() { return picture; }

void device_record_call(const char *) {}
DWORD device_message_time() { return device_session_time(host_ticks()); }

// The pump's look: the window procedure hands the host's input on while it runs (while a session
// plays, only the close box reaches the game; while a kept game plays back, the host's messages
// wait for the person's run).
void device_collect_input() {
    device_session_look_begin();
    if (!device_session_catching_up()) host_pump();
    device_session_look_end();
}
bool device_other_instance_running() { return other_running; }
void device_show_other_instance() { host_show_other_instance(); }

int GXOpenDisplay(HWND, DWORD) { return 1; }
int GXCloseDisplay(void) { return 1; }

// Scans the display out and sends the window what it does not already show; a kept game playing
// back shows only the frame it reaches.
int GXEndDraw(void) {
    int kept = keeping_frame(device_session_frame());
    if (kept == KEEP_CATCHING_UP) return 1;
    if (kept == KEEP_RESUMED) device_window_changed();
    scan_out(device_display_properties(), device_display_origin(), picture);
    show_changes();
    if (present_watch) present_watch();
    return 1;
}
