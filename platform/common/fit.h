// Fitting the 240 x 320 picture into a host's view (a window, a browser page), and positions in
// the view back to device pixels.
#ifndef VORLEN_PLATFORM_COMMON_FIT_H
#define VORLEN_PLATFORM_COMMON_FIT_H

#include "platform/device.h"

// The picture's place in a view, in the view's units (a page's CSS pixels).
struct DeviceFit {
    double left, top, width, height;
};

// The largest whole factor at which the picture fits width x height (0 when not even at 1).
int device_whole_scale(double width, double height);
// The picture centred in a view of width x height units, each unit pixel_ratio screen pixels:
// on a dense screen (2 or more screen pixels to a unit, as on phones) it fills the view's width
// or height, since the uneven sizes of nearest-neighbour pixels cannot be seen there; otherwise
// each device pixel is a whole number of screen pixels, and the picture starts on a screen pixel,
// unless that whole factor would leave the picture under two thirds of the exact fit (the view
// too small for the picture, or between 1.5 and 2 times its size): then the exact fit.
DeviceFit device_fit(double width, double height, double pixel_ratio);
// The device pixel under a position in the view; positions off the picture give coordinates
// outside 0..239 x 0..319.
POINT device_pixel_at(const DeviceFit &fit, double x, double y);

#endif
