// Where the 240 x 320 picture lies in a desktop window's client area, and which device pixel a
// client position falls on. Plain numbers only, so that both sides of a backend (the host's
// own headers and the device's) can use it.
#ifndef VORLEN_PLATFORM_COMMON_LETTERBOX_H
#define VORLEN_PLATFORM_COMMON_LETTERBOX_H

#define DEVICE_MAX_SCALE 8

// The picture in a client area: its top-left corner and its whole scale factor.
struct PictureBox {
    int x;
    int y;
    int scale;
};

// The largest whole scale, 1..DEVICE_MAX_SCALE, at which the picture fits width x height.
int device_fit_scale(int width, int height);
// The picture at the largest whole scale that fits the client area, centred (at scale 1 and
// anchored at the top left when even that does not fit).
PictureBox device_picture_box(int client_width, int client_height);
// The device pixel under a client position (outside 0..239 x 0..319 when off the picture).
void device_picture_point(const PictureBox &box, int client_x, int client_y, int *x, int *y);
// Whether a device pixel lies on the picture.
bool device_on_picture(int x, int y);
// The nearest device pixel on the picture.
void device_clamp_to_picture(int *x, int *y);

#endif
