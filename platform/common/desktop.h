// What a person chooses for the desktop devices (SDL2, Windows) through the environment:
//   VORLEN_DISPLAY  packed (default), padded, rotated, grey4 or grey2: the emulated display layout
//   VORLEN_SCALE    a whole window scale factor, 1 to 8 (default: the largest that fits the screen)
// Plain numbers only, so that a backend's host side may call it too.
#ifndef VORLEN_PLATFORM_COMMON_DESKTOP_H
#define VORLEN_PLATFORM_COMMON_DESKTOP_H

#define DEVICE_MAX_SCALE 8

// Lays the emulated display out as VORLEN_DISPLAY names (packed when unset; an unknown name is
// reported on stderr and gives packed).
void device_layout_from_environment();
// The window scale: VORLEN_SCALE when it is 1..8, otherwise the largest whole factor at which
// the picture fits width x height, held to 1..8.
int device_scale_from_environment(int width, int height);

#endif
