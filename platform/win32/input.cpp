// The real window's input as the device's messages: the left mouse button is the stylus, keys
// are the hardware keys as on the SDL device, activation and the close box pass on (only the
// close box while a session plays in the person's place); and where the picture lies in the
// window, for painting and for the mouse alike.
#include "platform/common/fit.h"
#include "platform/common/keys.h"
#include "platform/common/keeping.h"
#include "platform/common/session_device.h"
#include "platform/common/stylus.h"
#include "platform/common/windows.h"
#include "platform/win32/host.h"

namespace {

// Where the picture lies in the client area now (client pixels are screen pixels here).
DeviceFit client_fit() {
    int width, height;
    host_client_size(&width, &height);
    return device_fit(width, height, 1.0);
}

}  // namespace

HostRect win32_picture_rect(int client_width, int client_height) {
    DeviceFit fit = device_fit(client_width, client_height, 1.0);
    return HostRect{int(fit.left), int(fit.top), int(fit.width + 0.5), int(fit.height + 0.5)};
}

void win32_button(int down, int x, int y) {
    if (!device_session_takes_host_input()) return;
    POINT at = device_pixel_at(client_fit(), x, y);
    if (down)
        device_stylus_press(at.x, at.y);
    else
        device_stylus_release(at.x, at.y);
}

void win32_mouse_move(int x, int y) {
    if (!device_session_takes_host_input()) return;
    POINT at = device_pixel_at(client_fit(), x, y);
    device_stylus_move(at.x, at.y);
}

void win32_key(unsigned virtual_key, int down) {
    if (device_session_takes_host_input()) device_host_key(virtual_key, down != 0);
}

void win32_activate(int active) {
    if (!active) keeping_store();  // the person may not come back
    if (device_session_takes_host_input()) device_post(WM_ACTIVATE, WPARAM(active), 0);
}

void win32_close_request() {
    if (device_window_alive()) device_post(WM_CLOSE, 0, 0);
}
