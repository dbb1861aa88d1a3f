// The test device's display: memory in RAM laid out by the display properties a test sets,
// GAPI's open/close/draw calls, and the record of every presented frame.
#include <algorithm>
#include <climits>
#include <functional>
#include <vector>

#include "platform/headless/headless.h"
#include "platform/headless/internal.h"

namespace {

const int32_t DISPLAY_WIDTH = 240;   // the display is always 240 x 320 in portrait
const int32_t DISPLAY_HEIGHT = 320;
const int32_t GREY4_BYTES = 38400;   // the 4-bit layout: 240 lines of 160 bytes from the start
const int32_t GREY2_ROW_BYTES = 60;  // one 2-bit row: 240 pixels, 4 to a byte
// The handheld with a bottom-up display hands out a pointer 640 bytes before pixel (0, 0).
const int32_t BOTTOM_UP_OFFSET = 640;

int32_t display_bpp = 16;        // bits per pixel reported by GXGetDisplayProperties
int32_t display_x_pitch = 2;     // bytes from one pixel to the next along x, as reported
int32_t display_y_pitch = 480;   // bytes from one row to the next, as reported
std::vector<uint8_t> memory;     // the whole display memory block
size_t origin_offset = 0;        // where in memory the pointer GXBeginDraw hands out lies
std::vector<std::vector<uint8_t>> frames;  // a copy of memory at each GXEndDraw
int frame_count = 0;             // completed GXBeginDraw / GXEndDraw pairs, 0..INT_MAX
bool record_frames = true;       // false: frames are counted but not copied
std::vector<std::function<void(int)>> frame_callbacks;  // run after each GXEndDraw

// The byte span [low, high) relative to the GXBeginDraw pointer that covers every place a
// pixel may lie, both as the pitches are reported and with their lowest bit cleared.
struct Span {
    int64_t low = INT64_MAX;
    int64_t high = INT64_MIN;
    // Widens the span by the bytes at offset .. offset + size.
    void add(int64_t offset, int64_t size) {
        low = std::min(low, offset);
        high = std::max(high, offset + size);
    }
    // Widens the span by the four corners of a display whose pixel (x, y) starts at
    // start + x * x_step + y * y_step; linear addressing makes the corners the extremes.
    void add_corners(int64_t start, int64_t x_step, int64_t y_step, int64_t size) {
        for (int64_t x : {int64_t(0), int64_t(DISPLAY_WIDTH - 1)})
            for (int64_t y : {int64_t(0), int64_t(DISPLAY_HEIGHT - 1)})
                add(start + x * x_step + y * y_step, size);
    }
};

// The span of a display of this depth and these pitches, for every layout the device serves.
Span display_span(int32_t bpp, int32_t x_pitch, int32_t y_pitch) {
    Span span;
    span.add(0, 0);  // the pointer GXBeginDraw hands out always lies inside the block
    if (bpp == 4) {
        span.add(0, GREY4_BYTES);
        return span;
    }
    if (bpp == 2) {
        // Rows step by the pitch rounded down to a whole number of 32-bit words.
        int64_t step = GREY2_ROW_BYTES + 4 * ((int64_t(y_pitch) - GREY2_ROW_BYTES) >> 2);
        span.add(0, GREY2_ROW_BYTES);
        span.add((DISPLAY_HEIGHT - 1) * step, GREY2_ROW_BYTES);
        return span;
    }
    int64_t size = std::max(1, (bpp + 7) / 8);
    int64_t start = y_pitch < 0 && bpp == 16 ? BOTTOM_UP_OFFSET : 0;
    span.add_corners(start, x_pitch, y_pitch, size);
    span.add_corners(start, x_pitch & ~1, y_pitch & ~1, size);
    return span;
}

}  // namespace

void headless_set_display(int32_t bpp, int32_t x_pitch, int32_t y_pitch) {
    display_bpp = bpp;
    display_x_pitch = x_pitch;
    display_y_pitch = y_pitch;
    Span span = display_span(bpp, x_pitch, y_pitch);
    memory.assign(size_t(span.high - span.low), 0);
    origin_offset = size_t(-span.low);
}

// Lays the memory out for the power-on display the first time it is needed, so a program
// that never calls headless_reset (a benchmark) has a display too.
static void ensure_memory() {
    if (memory.empty()) headless_set_display(display_bpp, display_x_pitch, display_y_pitch);
}

uint8_t *headless_display_origin() {
    ensure_memory();
    return memory.data() + origin_offset;
}

uint8_t *headless_display_memory() {
    ensure_memory();
    return memory.data();
}

size_t headless_display_size() {
    ensure_memory();
    return memory.size();
}
const std::vector<std::vector<uint8_t>> &headless_frames() { return frames; }
int headless_frame_count() { return frame_count; }
void headless_record_frames(bool keep) { record_frames = keep; }
void headless_on_frame(std::function<void(int frame)> fn) { frame_callbacks.push_back(std::move(fn)); }

void headless_reset_display() {
    headless_set_display(16, 2, 480);
    frames.clear();
    frame_count = 0;
    record_frames = true;
    frame_callbacks.clear();
}

int GXOpenDisplay(HWND, DWORD) {
    headless_record_call("GXOpenDisplay");
    return 1;
}

int GXCloseDisplay(void) {
    headless_record_call("GXCloseDisplay");
    return 1;
}

void *GXBeginDraw(void) {
    headless_record_call("GXBeginDraw");
    return headless_display_origin();
}

int GXEndDraw(void) {
    headless_record_call("GXEndDraw");
    ensure_memory();
    if (record_frames) frames.push_back(memory);
    ++frame_count;
    // A callback may add another callback; index so that growth is safe.
    for (size_t i = 0; i < frame_callbacks.size(); ++i) {
        std::function<void(int)> fn = frame_callbacks[i];
        fn(frame_count);
    }
    return 1;
}

GXDisplayProperties GXGetDisplayProperties(void) {
    headless_record_call("GXGetDisplayProperties");
    GXDisplayProperties properties{};
    properties.cxWidth = DISPLAY_WIDTH;
    properties.cyHeight = DISPLAY_HEIGHT;
    properties.cbxPitch = display_x_pitch;
    properties.cbyPitch = display_y_pitch;
    properties.cBPP = display_bpp;
    properties.ffFormat = display_bpp == 16 ? kfDirect | kfDirect565 : kfDirect;
    return properties;
}
