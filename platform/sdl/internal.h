// What the parts of the desktop device offer each other.
#ifndef VORLEN_PLATFORM_SDL_INTERNAL_H
#define VORLEN_PLATFORM_SDL_INTERNAL_H

#include <SDL.h>

#include <cstddef>
#include <cstdint>
#include <vector>

#include "platform/common/desktop.h"
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

// Sound: open the device (silence when there is none) and close it.
void sound_open();
void sound_close();

// The window: redraw the last picture (after exposure or resizing), and bring it to the front.
void window_redraw();
void window_raise();

// Presentation: whether a frame differs from what the window shows (its picture, the display
// layout it was read from, or the window's output size), taking it as shown when it does; and
// forgetting what is shown, so the next frame is drawn.
bool frame_is_new(const uint16_t *picture, const GXDisplayProperties &layout, int width, int height);
void frame_forget();

// Gives the window the game's icon.
void set_window_icon(SDL_Window *window);

#endif
