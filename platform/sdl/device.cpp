// The desktop device's start and stop, its window and the emulated display scanned out to it
// on every GXEndDraw, and the clock.
#include <SDL.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>

#include "platform/common/display.h"
#include "platform/common/fit.h"
#include "platform/common/windows.h"
#include "platform/sdl/internal.h"
#include "platform/common/scanout.h"
#include "platform/sdl/sdl_device.h"

namespace {

const int MAX_SCALE = 8;
const int FALLBACK_SCALE = 2;  // when the screen's size is unknown
const int SCREEN_SHARE = 90;   // per cent of the usable screen the window may take

SDL_Window *window = nullptr;      // the desktop window; null before start or with another instance
SDL_Renderer *renderer = nullptr;  // draws the picture scaled into the window
SDL_Texture *texture = nullptr;    // the 240 x 320 RGB565 picture
int scale = 1;                     // whole window scale factor, 1..MAX_SCALE
bool window_shown = false;         // the game's window is visible
bool owns_instance = false;        // this process holds the single-instance lock
int raise_count = 0;               // times another start has brought the window to the front
uint16_t picture[DEVICE_DISPLAY_WIDTH * DEVICE_DISPLAY_HEIGHT];  // the last scanned-out frame

// Lays the emulated display out as VORLEN_DISPLAY names (packed when unset or unknown).
void choose_layout() {
    const char *name = std::getenv("VORLEN_DISPLAY");
    if (!device_choose_layout(name) && name)
        std::fprintf(stderr, "vorlen: unknown VORLEN_DISPLAY '%s', using packed\n", name);
}

// The whole factor from VORLEN_SCALE, or the largest that fits most of the usable screen.
int choose_scale() {
    const char *text = std::getenv("VORLEN_SCALE");
    int wanted = text ? std::atoi(text) : 0;
    if (wanted >= 1 && wanted <= MAX_SCALE) return wanted;
    SDL_Rect usable;
    if (SDL_GetDisplayUsableBounds(0, &usable) != 0) return FALLBACK_SCALE;
    int fit = device_whole_scale(usable.w * SCREEN_SHARE / 100, usable.h * SCREEN_SHARE / 100);
    return fit < 1 ? 1 : fit > MAX_SCALE ? MAX_SCALE : fit;
}

// Opens the hidden window, its renderer and the picture texture; false when any is missing.
bool open_window() {
    scale = choose_scale();
    window = SDL_CreateWindow("vorlen", SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, DEVICE_DISPLAY_WIDTH * scale,
                              DEVICE_DISPLAY_HEIGHT * scale, SDL_WINDOW_HIDDEN | SDL_WINDOW_RESIZABLE);
    if (!window) return false;
    renderer = SDL_CreateRenderer(window, -1, 0);
    if (!renderer) return false;
    // A logical size letterboxes the picture and maps mouse positions to device pixels.
    SDL_RenderSetLogicalSize(renderer, DEVICE_DISPLAY_WIDTH, DEVICE_DISPLAY_HEIGHT);
    SDL_RenderSetIntegerScale(renderer, SDL_TRUE);
    texture = SDL_CreateTexture(renderer, SDL_PIXELFORMAT_RGB565, SDL_TEXTUREACCESS_STREAMING, DEVICE_DISPLAY_WIDTH,
                                DEVICE_DISPLAY_HEIGHT);
    return texture != nullptr;
}

// The monotonic time in milliseconds, wrapping at 2^32 like the device's tick count.
uint32_t monotonic_ms() {
    timespec now;
    clock_gettime(CLOCK_MONOTONIC, &now);
    return uint32_t(uint64_t(now.tv_sec) * 1000u + uint64_t(now.tv_nsec) / 1000000u);
}

}  // namespace

int sdl_device_start() {
    choose_layout();
    owns_instance = instance_claim();
    if (!owns_instance) return 1;  // WinMain finds the running instance and shows it
    if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_EVENTS) != 0 || !open_window()) {
        std::fprintf(stderr, "vorlen: cannot open a window: %s\n", SDL_GetError());
        sdl_device_stop();
        return 0;
    }
    sound_open();
    return 1;
}

void sdl_device_stop() {
    sound_close();
    if (texture) SDL_DestroyTexture(texture);
    if (renderer) SDL_DestroyRenderer(renderer);
    if (window) SDL_DestroyWindow(window);
    texture = nullptr;
    renderer = nullptr;
    window = nullptr;
    window_shown = false;
    if (SDL_WasInit(0)) SDL_Quit();
    if (owns_instance) instance_release();
    owns_instance = false;
}

int sdl_device_scale() { return scale; }
uint32_t sdl_device_window_id() { return window ? SDL_GetWindowID(window) : 0; }
bool sdl_device_window_shown() { return window_shown; }
const uint16_t *sdl_device_picture() { return picture; }
int sdl_device_raise_count() { return raise_count; }

void window_redraw() {
    if (!renderer) return;
    SDL_UpdateTexture(texture, nullptr, picture, DEVICE_DISPLAY_WIDTH * 2);
    SDL_SetRenderDrawColor(renderer, 0, 0, 0, 255);
    SDL_RenderClear(renderer);
    SDL_RenderCopy(renderer, texture, nullptr, nullptr);
    SDL_RenderPresent(renderer);
}

void window_raise() {
    ++raise_count;
    if (!window) return;
    SDL_ShowWindow(window);
    SDL_RestoreWindow(window);
    SDL_RaiseWindow(window);
}

// The desktop window follows the game's: shown while it is alive and visible.
void device_window_changed() {
    bool shown = device_window_visible();
    if (!window || shown == window_shown) return;
    window_shown = shown;
    if (shown) {
        SDL_ShowWindow(window);
        window_redraw();
    } else {
        SDL_HideWindow(window);
    }
}

void device_record_call(const char *) {}
DWORD device_message_time() { return monotonic_ms(); }

int GXOpenDisplay(HWND, DWORD) { return 1; }
int GXCloseDisplay(void) { return 1; }

int GXEndDraw(void) {
    scan_out(device_display_properties(), device_display_origin(), picture);
    window_redraw();
    return 1;
}

DWORD GetTickCount(void) { return monotonic_ms(); }

void Sleep(DWORD dwMilliseconds) {
    timespec pause{time_t(dwMilliseconds / 1000), long(dwMilliseconds % 1000) * 1000000L};
    // A signal cuts the pause short; sleep on for what remains.
    while (nanosleep(&pause, &pause) == -1 && errno == EINTR) {
    }
}
