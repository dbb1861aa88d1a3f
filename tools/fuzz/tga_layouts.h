// What the TGA fuzz targets share: every input is loaded as each picture layout the game and
// the loader know, from a file the device's file layer serves.
#ifndef VORLEN_TOOLS_FUZZ_TGA_LAYOUTS_H
#define VORLEN_TOOLS_FUZZ_TGA_LAYOUTS_H

#include "platform/device.h"

// Loads the file at path as every layout into buffers of exactly the picture's size, so a
// write beyond a picture is caught.
void load_every_layout(LPCWSTR path);

#endif
