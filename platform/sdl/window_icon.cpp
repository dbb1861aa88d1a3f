// The window's icon, the game's own painted by vorlen-art and compiled in (window_icon.cpp in
// the build folder), so every window manager and task bar shows it without a file to find.
#include <SDL.h>

#include "platform/sdl/internal.h"

// Written by vorlen-art --window-icon: window_icon_size square pixels as RGBA bytes.
extern const int window_icon_size;
extern const unsigned char window_icon_rgba[];

void set_window_icon(SDL_Window *window) {
    void *pixels = const_cast<unsigned char *>(window_icon_rgba);  // SDL only reads them
    SDL_Surface *icon = SDL_CreateRGBSurfaceWithFormatFrom(pixels, window_icon_size, window_icon_size, 32,
                                                           window_icon_size * 4, SDL_PIXELFORMAT_RGBA32);
    if (!icon) return;
    SDL_SetWindowIcon(window, icon);
    SDL_FreeSurface(icon);
}
