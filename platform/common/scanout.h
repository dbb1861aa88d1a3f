// Reading the emulated display memory back into a picture for a host window.
#ifndef VORLEN_PLATFORM_COMMON_SCANOUT_H
#define VORLEN_PLATFORM_COMMON_SCANOUT_H

#include <cstdint>

#include "platform/common/change.h"
#include "platform/device.h"

// Fills picture (240 x 320 RGB565) with what a display of these properties shows from the
// memory at origin: 16-bit colour as stored, 4-bit and 2-bit grey levels as greys. Any other
// depth shows black.
void scan_out(const GXDisplayProperties &properties, const uint8_t *origin, uint16_t *picture);

// Spreads one RGB565 pixel over 8-bit red, green and blue (channels[0..2]), each channel's top
// bits repeated into its low ones so that white stays 255.
void rgb565_to_rgb8(uint16_t pixel, uint8_t *channels);

// Spreads the RGB565 pixels of a part of a picture over 8-bit red, green, blue (as
// rgb565_to_rgb8 does) and opaque alpha: 4 bytes a pixel, the part's rows one after another,
// as a browser's canvas takes them.
void part_to_rgba(const uint16_t *picture, const PixelRect &part, uint8_t *rgba);

#endif
