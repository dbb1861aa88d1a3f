// The test device's window controls, and its side of the shared window services: calls are
// recorded, messages carry the virtual time, input comes only from the test.
#include <functional>

#include "platform/common/windows.h"
#include "platform/headless/headless.h"
#include "platform/headless/internal.h"

namespace {
bool other_running = false;  // a test says another instance runs
bool other_shown = false;    // ShowWindow has been called on that instance's window
std::function<void()> look_hook;  // runs at every look of the pump
}  // namespace

void headless_reset_windows() {
    device_windows_reset();
    other_running = false;
    other_shown = false;
    look_hook = nullptr;
}

void headless_post(UINT message, WPARAM w_param, LPARAM l_param) { device_post(message, w_param, l_param); }

void headless_tap(int x, int y) {
    headless_post(WM_LBUTTONDOWN, 1, MAKELPARAM(x, y));
    headless_post(WM_LBUTTONUP, 0, MAKELPARAM(x, y));
}

void headless_close() { headless_post(WM_CLOSE, 0, 0); }
size_t headless_queued_messages() { return device_queue_size(); }
void headless_on_look(std::function<void()> fn) { look_hook = std::move(fn); }

void headless_set_other_instance(bool running) {
    other_running = running;
    other_shown = false;
}

bool headless_other_instance_shown() { return other_shown; }
void headless_fail_register_class(bool fail) { device_refuse_class(fail); }
void headless_fail_create_window(bool fail) { device_refuse_window(fail); }
RECT headless_window_rect() { return device_window_rect(); }
bool headless_window_visible() { return device_window_visible(); }
bool headless_window_alive() { return device_window_alive(); }
bool headless_taskbar_visible() { return device_taskbar_visible(); }

void device_record_call(const char *name) { headless_record_call(name); }
DWORD device_message_time() { return headless_time(); }
void device_collect_input() {
    if (look_hook) look_hook();
    headless_keep_look();
}
bool device_other_instance_running() { return other_running; }
void device_show_other_instance() { other_shown = true; }
void device_window_changed() {}
