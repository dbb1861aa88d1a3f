// The test device's display: the layout a test sets, and the record of every presented frame.
#include <functional>
#include <vector>

#include "platform/common/display.h"
#include "platform/common/windows.h"
#include "platform/headless/headless.h"
#include "platform/headless/internal.h"

namespace {

std::vector<std::vector<uint8_t>> frames;  // a copy of the display memory at each GXEndDraw
int frame_count = 0;                       // completed GXBeginDraw / GXEndDraw pairs
bool record_frames = true;                 // false: frames are counted but not copied
std::vector<std::function<void(int)>> frame_callbacks;  // run after each GXEndDraw

}  // namespace

void headless_set_display(int32_t bpp, int32_t x_pitch, int32_t y_pitch) { device_set_display(bpp, x_pitch, y_pitch); }
uint8_t *headless_display_origin() { return device_display_origin(); }
uint8_t *headless_display_memory() { return device_display_memory(); }
size_t headless_display_size() { return device_display_size(); }
const std::vector<std::vector<uint8_t>> &headless_frames() { return frames; }
int headless_frame_count() { return frame_count; }
void headless_record_frames(bool keep) { record_frames = keep; }
void headless_on_frame(std::function<void(int frame)> fn) { frame_callbacks.push_back(std::move(fn)); }

void headless_reset_display() {
    device_set_display(16, 2, 480);
    frames.clear();
    frame_count = 0;
    record_frames = true;
    frame_callbacks.clear();
}

int GXOpenDisplay(HWND, DWORD) {
    device_record_call("GXOpenDisplay");
    return 1;
}

int GXCloseDisplay(void) {
    device_record_call("GXCloseDisplay");
    return 1;
}

int GXEndDraw(void) {
    device_record_call("GXEndDraw");
    if (record_frames) {
        const uint8_t *block = device_display_memory();
        frames.emplace_back(block, block + device_display_size());
    }
    ++frame_count;
    headless_keep_frame(frame_count);
    // A callback may add another callback; index so that growth is safe.
    for (size_t i = 0; i < frame_callbacks.size(); ++i) {
        std::function<void(int)> fn = frame_callbacks[i];
        fn(frame_count);
    }
    return 1;
}
