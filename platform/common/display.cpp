// The emulated display memory and the GAPI calls that describe and open it.
#include "platform/common/display.h"

#include <algorithm>
#include <climits>
#include <cstring>
#include <vector>

#include "platform/common/windows.h"

namespace {

int32_t display_bpp = 16;       // bits per pixel reported by GXGetDisplayProperties
int32_t display_x_pitch = 2;    // bytes from one pixel to the next along x, as reported
int32_t display_y_pitch = 480;  // bytes from one row to the next, as reported
std::vector<uint8_t> memory;    // the whole display memory block
size_t origin_offset = 0;       // where in memory the pointer GXBeginDraw hands out lies

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
        for (int64_t x : {int64_t(0), int64_t(DEVICE_DISPLAY_WIDTH - 1)})
            for (int64_t y : {int64_t(0), int64_t(DEVICE_DISPLAY_HEIGHT - 1)})
                add(start + x * x_step + y * y_step, size);
    }
};

// The span of a display of this depth and these pitches, for every layout the device serves.
Span display_span(int32_t bpp, int32_t x_pitch, int32_t y_pitch) {
    Span span;
    span.add(0, 0);  // the pointer GXBeginDraw hands out always lies inside the block
    if (bpp == 4) {
        span.add(0, DEVICE_GREY4_BYTES);
        return span;
    }
    if (bpp == 2) {
        span.add(0, DEVICE_GREY2_ROW_BYTES);
        span.add(int64_t(DEVICE_DISPLAY_HEIGHT - 1) * device_grey2_step(y_pitch), DEVICE_GREY2_ROW_BYTES);
        return span;
    }
    int64_t size = std::max(1, (bpp + 7) / 8);
    int64_t start = y_pitch < 0 && bpp == 16 ? DEVICE_BOTTOM_UP_OFFSET : 0;
    span.add_corners(start, x_pitch, y_pitch, size);
    span.add_corners(start, x_pitch & ~1, y_pitch & ~1, size);
    return span;
}

// The display layouts a person can choose by name.
struct Layout {
    const char *name;
    int32_t bpp, x_pitch, y_pitch;
};
const Layout LAYOUTS[] = {
    {"packed", 16, 2, 480},   // 16-bit colour, pixels and rows packed
    {"padded", 16, 2, 512},   // 16-bit colour, rows 256 pixels apart
    {"rotated", 16, -640, 2}, // 16-bit colour on a landscape panel turned a quarter
    {"grey4", 4, 0, 0},       // 4-bit grey, the fixed rotated layout
    {"grey2", 2, 1, 60},      // 2-bit grey, rows of 60 bytes
};

// Lays the memory out for the power-on display the first time it is needed.
void ensure_memory() {
    if (memory.empty()) device_set_display(display_bpp, display_x_pitch, display_y_pitch);
}

}  // namespace

int32_t device_grey2_step(int32_t y_pitch) {
    return DEVICE_GREY2_ROW_BYTES + 4 * ((y_pitch - DEVICE_GREY2_ROW_BYTES) >> 2);
}

void device_set_display(int32_t bpp, int32_t x_pitch, int32_t y_pitch) {
    display_bpp = bpp;
    display_x_pitch = x_pitch;
    display_y_pitch = y_pitch;
    Span span = display_span(bpp, x_pitch, y_pitch);
    memory.assign(size_t(span.high - span.low), 0);
    origin_offset = size_t(-span.low);
}

int device_choose_layout(const char *name) {
    const Layout *chosen = &LAYOUTS[0];
    int known = 0;
    for (const Layout &layout : LAYOUTS)
        if (name && std::strcmp(name, layout.name) == 0) {
            chosen = &layout;
            known = 1;
        }
    device_set_display(chosen->bpp, chosen->x_pitch, chosen->y_pitch);
    return known;
}

const char *device_layout_name() {
    for (const Layout &layout : LAYOUTS)
        if (layout.bpp == display_bpp && layout.x_pitch == display_x_pitch && layout.y_pitch == display_y_pitch)
            return layout.name;
    return nullptr;
}

const char *device_layout_at(int index) {
    int count = int(sizeof LAYOUTS / sizeof LAYOUTS[0]);
    return index >= 0 && index < count ? LAYOUTS[index].name : nullptr;
}

std::string device_layout_list() {
    std::string list;
    for (const Layout &layout : LAYOUTS) list += std::string(list.empty() ? "" : ", ") + layout.name;
    return list;
}

GXDisplayProperties device_display_properties() {
    GXDisplayProperties properties{};
    properties.cxWidth = DEVICE_DISPLAY_WIDTH;
    properties.cyHeight = DEVICE_DISPLAY_HEIGHT;
    properties.cbxPitch = display_x_pitch;
    properties.cbyPitch = display_y_pitch;
    properties.cBPP = display_bpp;
    properties.ffFormat = display_bpp == 16 ? kfDirect | kfDirect565 : kfDirect;
    return properties;
}

uint8_t *device_display_origin() {
    ensure_memory();
    return memory.data() + origin_offset;
}

uint8_t *device_display_memory() {
    ensure_memory();
    return memory.data();
}

size_t device_display_size() {
    ensure_memory();
    return memory.size();
}

GXDisplayProperties GXGetDisplayProperties(void) {
    device_record_call("GXGetDisplayProperties");
    return device_display_properties();
}

void *GXBeginDraw(void) {
    device_record_call("GXBeginDraw");
    return device_display_origin();
}
