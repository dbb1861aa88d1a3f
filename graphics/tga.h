// Loading of TGA pictures (colour-mapped or 16-bit direct colour) into RGB565 images.
#ifndef VORLEN_GRAPHICS_TGA_H
#define VORLEN_GRAPHICS_TGA_H

#include <cstdint>

#include "platform/device.h"

// Reads the file at path as a width x height picture of the named layout into dest (width x
// height RGB565 values, row 0 at the top). Returns 1 when loaded, 0 when refused.
int load_tga(LPCWSTR path, int width, int height, uint16_t *dest, uint8_t colour_mapped);

#endif
