// The game's icon: a white king on a round board in a gold ring, painted at any size from the
// same shapes and colours as the pictures, for the desktop's menus, the window and the web.
#ifndef VORLEN_TOOLS_ART_ICON_H
#define VORLEN_TOOLS_ART_ICON_H

#include <string>

#include "tools/art/layer.h"
#include "tools/png/png_file.h"

#define ICON_SIZE_COUNT 11
#define WINDOW_ICON_SIZE 64  // the size compiled into the desktop device for its window

// The sizes written as icons/vorlen-<size>.png.
extern const int ICON_SIZES[ICON_SIZE_COUNT];

// The icon as a size x size layer, transparent outside its ring (drawn for its pixels below 48).
Layer paint_icon(int size);
// The icon on an opaque square of the rim's colour, the ring reaching reach x size from the
// centre: for the web's maskable and home-screen icons, which are shown without transparency.
Layer paint_square_icon(int size, double reach);
// A painted layer as 8-bit RGBA with straight alpha.
PngPixels layer_rgba(const Layer &layer);
// Writes folder/icons/vorlen-<size>.png for every size, and the web's square icons
// vorlen-maskable-512.png and vorlen-touch-180.png; 1 when all were written.
int write_icons(const std::string &folder);
// Writes a C++ source defining window_icon_size (WINDOW_ICON_SIZE) and window_icon_rgba, the
// icon's pixels as RGBA bytes, for the desktop device to set as its window's icon; 1 when written.
int write_window_icon_source(const std::string &path);

#endif
