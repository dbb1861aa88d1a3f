// The emulated display memory the four devices share: a block laid out as the display properties
// say, so that every pixel of the 240 x 320 display, and every byte presentation writes for
// those properties, lies inside it.
#ifndef VORLEN_PLATFORM_COMMON_DISPLAY_H
#define VORLEN_PLATFORM_COMMON_DISPLAY_H

#include <cstddef>
#include <cstdint>
#include <string>

#include "platform/device.h"

#define DEVICE_DISPLAY_WIDTH 240
#define DEVICE_DISPLAY_HEIGHT 320
// A handheld with a bottom-up 16-bit display hands out a pointer 640 bytes before pixel (0, 0).
#define DEVICE_BOTTOM_UP_OFFSET 640
#define DEVICE_GREY4_BYTES 38400   // the 4-bit layout: 240 lines of 160 bytes from the start
#define DEVICE_GREY2_ROW_BYTES 60  // one 2-bit row: 240 pixels, four to a byte

// Lays the memory out for these properties (pitches may be negative or odd) and clears it.
void device_set_display(int32_t bpp, int32_t x_pitch, int32_t y_pitch);
// Lays the memory out as one of the layouts a person can pick by name to see every presentation
// path: packed, padded, rotated, grey4, grey2. Returns 0 (and lays out packed) for any other name.
int device_choose_layout(const char *name);
// The name of the layout the memory is laid out as (null when it is none of those names).
const char *device_layout_name();
// The layouts' names in order, one by one (null past the last), for those that check them, and
// as a list for a message ("packed, padded, ...").
const char *device_layout_at(int index);
std::string device_layout_list();
// The properties GXGetDisplayProperties reports, without noting a call.
GXDisplayProperties device_display_properties();
// The pointer GXBeginDraw hands out, and the whole block.
uint8_t *device_display_origin();
uint8_t *device_display_memory();
size_t device_display_size();
// The bytes from one 2-bit row to the next: the pitch rounded down to whole 32-bit words.
int32_t device_grey2_step(int32_t y_pitch);

#endif
