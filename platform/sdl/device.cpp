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
#include "platform/common/keep.h"
#include "platform/common/session_device.h"
#include "platform/common/windows.h"
#include "platform/sdl/internal.h"
#include "platform/common/scanout.h"
#include "platform/sdl/sdl_device.h"

namespace {

SDL_Window *window = nullptr;      // the desktop window; null before start or with another instance
SDL_Surface *scaled = nullptr;     // the picture at the window's scale, XRGB8888
WindowPicture placed{};            // where the picture lies in the window, and what each pixel shows
int scale = 1;                     // whole window scale factor, 1..8
bool window_shown = false;         // the game's window is visible
bool owns_instance = false;        // this process holds the single-instance lock
int raise_count = 0;               // times another start has brought the window to the front
int redraw_count = 0;              // updates sent to the window
uint16_t picture[DEVICE_DISPLAY_WIDTH * DEVICE_DISPLAY_HEIGHT];  // the last scanned-out frame
void (*present_watch)() = nullptr;  // a test's look at each presented frame

// The whole factor VORLEN_SCALE asks for, or the largest that fits the usable screen.
int choose_scale() {
    SDL_Rect usable{0, 0, 0, 0};
    if (SDL_GetDisplayUsableBounds(0, &usable) != 0) usable.w = usable.h = 0;
    return window_scale(std::getenv("VORLEN_SCALE"), usable.w, usable.h);
}

// Opens the hidden window; false when there is none. On X11 the window's own shared-memory
// image is drawn into and only the changed rectangle is sent; SDL's default there would scale
// every frame through OpenGL, which costs a software renderer far more.
bool open_window() {
    scale = choose_scale();
    if (std::strcmp(SDL_GetCurrentVideoDriver(), "x11") == 0) SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    window = SDL_CreateWindow("vorlen", SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, DEVICE_DISPLAY_WIDTH * scale,
                              DEVICE_DISPLAY_HEIGHT * scale, SDL_WINDOW_HIDDEN | SDL_WINDOW_RESIZABLE);
    if (!window) return false;
    set_window_icon(window);
    return true;
}

// Places the picture for the window surface's size, with a scaled picture to match; false
// when there is no memory for it.
bool place_for(const SDL_Surface *surface) {
    if (scaled && placed.window_width == surface->w && placed.window_height == surface->h) return true;
    placed = place_picture(surface->w, surface->h);
    if (scaled) SDL_FreeSurface(scaled);
    scaled = SDL_CreateRGBSurfaceWithFormat(0, int(placed.columns.size()), int(placed.rows.size()), 32,
                                            SDL_PIXELFORMAT_XRGB8888);
    return scaled != nullptr;
}

// Scales a part of the picture into the window and sends the window that part; a whole
// picture comes with its letterbox.
void draw(SDL_Surface *surface, const PixelRect &part) {
    if (!place_for(surface)) return;
    ++redraw_count;
    PixelRect window_part = scaled_part(placed, part);
    draw_scaled(placed, picture, window_part, static_cast<uint32_t *>(scaled->pixels), scaled->pitch / 4);
    SDL_Rect from{window_part.left, window_part.top, window_part.right - window_part.left,
                  window_part.bottom - window_part.top};
    SDL_Rect to{placed.left + from.x, placed.top + from.y, from.w, from.h};
    bool whole = rect_is_whole(part);
    if (whole) SDL_FillRect(surface, nullptr, SDL_MapRGB(surface->format, 0, 0, 0));
    SDL_BlitSurface(scaled, &from, surface, &to);
    if (whole)
        SDL_UpdateWindowSurface(window);
    else if (to.w > 0 && to.h > 0)
        SDL_UpdateWindowSurfaceRects(window, &to, 1);
}

// Sends the window the part of the last scanned-out picture it does not show yet, if any.
void show_changes() {
    SDL_Surface *surface = window ? SDL_GetWindowSurface(window) : nullptr;
    if (!surface) return;
    PixelRect part = frame_change(picture, device_display_properties(), surface->w, surface->h);
    if (!rect_is_empty(part)) draw(surface, part);
}

}  // namespace

uint32_t host_clock_ms() {
    timespec now;
    clock_gettime(CLOCK_MONOTONIC, &now);
    return uint32_t(uint64_t(now.tv_sec) * 1000u + uint64_t(now.tv_nsec) / 1000000u);
}

int sdl_device_start() {
    device_layout_from_environment();
    owns_instance = instance_claim();
    if (!owns_instance) return 1;  // WinMain finds the running instance and shows it
    if (!std::getenv("VORLEN_REPLAY")) sdl_keeping_start();
    if (!device_session_from_environment(host_clock_ms())) {
        sdl_device_stop();
        return 0;
    }
    if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_EVENTS) != 0 || !open_window()) {
        std::fprintf(stderr, "vorlen: cannot open a window: %s\n", SDL_GetError());
        sdl_device_stop();
        return 0;
    }
    sound_open();
    return 1;
}

void sdl_device_stop() {
    device_session_stop();
    sound_close();
    if (scaled) SDL_FreeSurface(scaled);
    if (window) SDL_DestroyWindow(window);
    scaled = nullptr;
    placed = WindowPicture{};
    window = nullptr;
    window_shown = false;
    frame_forget();
    if (SDL_WasInit(0)) SDL_Quit();
    if (owns_instance) instance_release();
    owns_instance = false;
}

int sdl_device_scale() { return scale; }
uint32_t sdl_device_window_id() { return window ? SDL_GetWindowID(window) : 0; }
bool sdl_device_window_shown() { return window_shown; }
const uint16_t *sdl_device_picture() { return picture; }
int sdl_device_raise_count() { return raise_count; }
int sdl_device_redraw_count() { return redraw_count; }
void sdl_device_on_present(void (*watch)()) { present_watch = watch; }

void window_redraw() {
    frame_forget();
    show_changes();
}

POINT window_device_pixel(int x, int y) { return device_pixel_at(placed.fit, x, y); }

void window_raise() {
    ++raise_count;
    if (!window) return;
    SDL_ShowWindow(window);
    SDL_RestoreWindow(window);
    SDL_RaiseWindow(window);
}

// The desktop window follows the game's: shown while it is alive and visible (and not while a
// kept game plays back).
void device_window_changed() {
    bool shown = device_window_visible() && !device_session_catching_up();
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
DWORD device_message_time() { return device_session_time(host_clock_ms()); }

int GXOpenDisplay(HWND, DWORD) { return 1; }
int GXCloseDisplay(void) { return 1; }

// Scans the display out and sends the window what it does not already show; a kept game playing
// back shows only the frame it reaches.
int GXEndDraw(void) {
    int kept = keeping_frame(device_session_frame());
    if (kept == KEEP_CATCHING_UP) return 1;
    if (kept == KEEP_RESUMED) device_window_changed();
    scan_out(device_display_properties(), device_display_origin(), picture);
    show_changes();
    if (present_watch) present_watch();
    return 1;
}

DWORD GetTickCount(void) { return device_session_clock(host_clock_ms()); }

void Sleep(DWORD dwMilliseconds) {
    if (!device_session_sleep(dwMilliseconds)) return;
    timespec pause{time_t(dwMilliseconds / 1000), long(dwMilliseconds % 1000) * 1000000L};
    // A signal cuts the pause short; sleep on for what remains.
    while (nanosleep(&pause, &pause) == -1 && errno == EINTR) {
    }
}
