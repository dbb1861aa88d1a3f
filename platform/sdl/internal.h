// What the parts of the desktop device offer each other.
#ifndef VORLEN_PLATFORM_SDL_INTERNAL_H
#define VORLEN_PLATFORM_SDL_INTERNAL_H

#include <SDL.h>

#include <cstddef>
#include <cstdint>
#include <vector>

#include "platform/common/change.h"
#include "platform/common/desktop.h"
#include "platform/common/display.h"
#include "platform/common/fit.h"
#include "platform/common/keeping.h"
#include "platform/device.h"

// Single instance: claim the lock (false: another instance holds it), give it back, ask the
// running instance to come to the front, and take such a request (true once per request).
bool instance_claim();
void instance_release();
void instance_request_show();
bool instance_take_show_request();

// WAV: converts a WAV file's bytes to the target format; 1 when decoded (an empty sound gives
// no samples), 0 when malformed, unconvertible or too long once converted.
struct SDL_AudioSpec;
int decode_wav(const uint8_t *bytes, size_t size, const SDL_AudioSpec &target, std::vector<uint8_t> *out);

// The installation check: whether a file is a colour-mapped TGA whose header, identification,
// colour map and one byte a pixel all lie inside it.
bool tga_is_whole(const std::vector<uint8_t> &bytes);

// Sound: open the device (silence when there is none) and close it.
void sound_open();
void sound_close();

// The window: redraw the last picture and its letterbox (after exposure or resizing), bring it
// to the front, and the device pixel under a window position (off the picture: outside
// 0..239 x 0..319).
void window_redraw();
void window_raise();
POINT window_device_pixel(int x, int y);


// The picture's place in a window: where the shared fit puts it, its first window column and
// row, and the device column (row) each of its window columns (rows) shows.
struct WindowPicture {
    int window_width, window_height;
    DeviceFit fit;
    int left, top;
    std::vector<int> columns, rows;
};
WindowPicture place_picture(int window_width, int window_height);
// The window pixels (counted from the picture's first column and row) that show a part of it.
PixelRect scaled_part(const WindowPicture &placed, const PixelRect &part);
// Draws the scaled part of the picture into XRGB8888 pixels laid out as the picture's place,
// pitch pixels from one row to the next.
void draw_scaled(const WindowPicture &placed, const uint16_t *picture, const PixelRect &scaled, uint32_t *pixels,
                 int pitch);

// The host's monotonic clock in milliseconds, wrapping at 2^32 like the device's tick count.
uint32_t host_clock_ms();


// The kept game (keeping.cpp; its flow is platform/common/keeping.h's). sdl_keeping_start finds
// the state folder and starts keeping; keeping_look lets a caught ending signal take its course
// once the game is kept.
void sdl_keeping_start();
void keeping_look();

// Gives the window the game's icon.
void set_window_icon(SDL_Window *window);

#endif
