// What the desktop devices (SDL2 and Win32) share beyond the window records: the display
// layout and window scale a person chooses through the environment, and the mouse as stylus.
//   VORLEN_DISPLAY  packed (default), padded, rotated, grey4 or grey2: the emulated display layout
//   VORLEN_SCALE    a whole window scale factor, 1 to 8 (default: the largest that fits the screen)
#ifndef VORLEN_PLATFORM_COMMON_DESKTOP_H
#define VORLEN_PLATFORM_COMMON_DESKTOP_H

// Lays the emulated display out as VORLEN_DISPLAY names (packed when unset; an unknown name is
// reported on stderr and gives packed).
void device_choose_layout();
// The window scale: VORLEN_SCALE when it is 1..8, otherwise the largest whole factor at which
// the picture fits width x height.
int device_choose_scale(int width, int height);

// The left mouse button as the stylus, positions in device pixels (any value, on the picture
// or off it): pressed on the picture it touches down, moved while down it moves (only on the
// picture), released it lifts at the nearest point on the picture.
void device_stylus_press(int x, int y);
void device_stylus_move(int x, int y);
void device_stylus_release(int x, int y);

#endif
