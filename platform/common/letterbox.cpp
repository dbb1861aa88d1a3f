// The picture letterboxed into a client area at a whole scale, and client positions mapped back.
#include "platform/common/letterbox.h"

namespace {

const int PICTURE_WIDTH = 240;
const int PICTURE_HEIGHT = 320;

// Division rounding towards minus infinity, so that positions left of or above the picture
// map to negative pixels rather than to pixel 0.
int floor_div(int a, int b) { return a >= 0 ? a / b : -((-a + b - 1) / b); }

// Keeps a value within low..high.
int clamp(int v, int low, int high) { return v < low ? low : v > high ? high : v; }

}  // namespace

int device_fit_scale(int width, int height) {
    int fit_w = width / PICTURE_WIDTH;
    int fit_h = height / PICTURE_HEIGHT;
    return clamp(fit_w < fit_h ? fit_w : fit_h, 1, DEVICE_MAX_SCALE);
}

PictureBox device_picture_box(int client_width, int client_height) {
    PictureBox box;
    box.scale = device_fit_scale(client_width, client_height);
    int spare_w = client_width - PICTURE_WIDTH * box.scale;
    int spare_h = client_height - PICTURE_HEIGHT * box.scale;
    box.x = spare_w > 0 ? spare_w / 2 : 0;
    box.y = spare_h > 0 ? spare_h / 2 : 0;
    return box;
}

void device_picture_point(const PictureBox &box, int client_x, int client_y, int *x, int *y) {
    *x = floor_div(client_x - box.x, box.scale);
    *y = floor_div(client_y - box.y, box.scale);
}

bool device_on_picture(int x, int y) { return x >= 0 && x < PICTURE_WIDTH && y >= 0 && y < PICTURE_HEIGHT; }

void device_clamp_to_picture(int *x, int *y) {
    *x = clamp(*x, 0, PICTURE_WIDTH - 1);
    *y = clamp(*y, 0, PICTURE_HEIGHT - 1);
}
