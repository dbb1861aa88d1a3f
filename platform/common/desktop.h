// What a person chooses for the desktop devices (SDL2, Windows) through the environment:
//   VORLEN_DISPLAY  packed (default), padded, rotated, grey4 or grey2: the emulated display layout
//   VORLEN_SCALE    a whole window scale factor, 1 to 8 (default: the largest that fits the screen)
// Plain numbers and text only, so that a backend's host side may call it too.
#ifndef VORLEN_PLATFORM_COMMON_DESKTOP_H
#define VORLEN_PLATFORM_COMMON_DESKTOP_H

// Lays the emulated display out as VORLEN_DISPLAY names (packed when unset; an unknown name is
// reported on stderr and gives packed).
void device_layout_from_environment();

// The window's scale factor from VORLEN_SCALE's text (null when unset) and the usable screen
// size (0 when unknown); a setting out of range or too large for the screen is warned about
// on stderr and replaced by the largest factor that fits (scale.cpp).
int window_scale(const char *setting, int usable_width, int usable_height);

#endif
