// The page's input as the device's messages: pointer events on the page are the stylus, keys
// are the hardware keys, the page's focus is activation. The worker's inbox keeps the events the
// page sent; the pump takes them here and maps positions through the canvas's place on the page.
// While a session replays or a kept game plays back, its input comes instead and the page's is
// dropped.
#include <emscripten.h>

#include "platform/common/fit.h"
#include "platform/common/keys.h"
#include "platform/common/session_device.h"
#include "platform/common/stylus.h"
#include "platform/common/windows.h"
#include "platform/web/events.h"
#include "platform/web/internal.h"

namespace {

DeviceFit canvas_fit{0, 0, 0, 0};  // where the canvas lies on the page (none before it is placed)

// The next event in the inbox into kind, a, b; 0 when it is empty.
EM_JS(int, web_next_event, (double *event), {
    const next = VorlenWorker.nextEvent();
    if (!next) return 0;
    HEAPF64.set(next, event >> 3);
    return 1;
});
// The page's size in CSS pixels and its screen pixels per CSS pixel.
EM_JS(void, web_page_size, (double *size), { HEAPF64.set(VorlenWorker.pageSize(), size >> 3); });
EM_JS(void, web_set_canvas_place, (double left, double top, double width, double height),
      { VorlenWorker.placeCanvas(left, top, width, height); });
// Whether the page was resized since the last call.
EM_JS(int, web_page_resized, (), { return VorlenWorker.takeResized(); });

// One event as the device's messages.
void page_event(int kind, double a, double b) {
    POINT at = device_pixel_at(canvas_fit, a, b);
    switch (kind) {
        case WEB_PRESS:
            web_keep_touched();
            device_stylus_press(int(at.x), int(at.y));
            break;
        case WEB_MOVE: device_stylus_move(int(at.x), int(at.y)); break;
        case WEB_RELEASE: device_stylus_release(int(at.x), int(at.y)); break;
        case WEB_KEY_DOWN:  // the page drops auto-repeats
            web_keep_touched();
            device_host_key(unsigned(int(a)), true);
            break;
        case WEB_KEY_UP: device_host_key(unsigned(int(a)), false); break;
        case WEB_FOCUS: device_post(WM_ACTIVATE, WA_ACTIVE, 0); break;
        case WEB_BLUR: device_post(WM_ACTIVATE, WA_INACTIVE, 0); break;
        default: break;
    }
}

}  // namespace

void web_place_canvas() {
    double size[3];
    web_page_size(size);
    canvas_fit = device_fit(size[0], size[1], size[2]);
    web_set_canvas_place(canvas_fit.left, canvas_fit.top, canvas_fit.width, canvas_fit.height);
}

void device_collect_input() {
    if (web_page_resized()) web_place_canvas();
    double event[3];
    device_session_look_begin();
    while (web_next_event(event))
        if (device_session_takes_host_input()) page_event(int(event[0]), event[1], event[2]);
    device_session_look_end();
}
