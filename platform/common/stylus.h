// The stylus as a host's pointer drives it: each device turns its pointer into device pixels
// (which may lie off the picture) and hands the three moments here, which post the device's
// pen messages.
#ifndef VORLEN_PLATFORM_COMMON_STYLUS_H
#define VORLEN_PLATFORM_COMMON_STYLUS_H

// Pressed: the stylus touches down, only on the picture (presses in the letterbox are ignored).
void device_stylus_press(int x, int y);
// Moved: a move while down and over the picture.
void device_stylus_move(int x, int y);
// Lifted anywhere, at the nearest position on the picture; nothing when it was not down.
void device_stylus_release(int x, int y);
// Whether the stylus is down.
bool device_stylus_is_down();

#endif
