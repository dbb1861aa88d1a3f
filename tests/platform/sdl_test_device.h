// The desktop device as its tests run it, and what they push at its window: a person's press,
// release and click, and the window's close.
#ifndef VORLEN_TESTS_PLATFORM_SDL_TEST_DEVICE_H
#define VORLEN_TESTS_PLATFORM_SDL_TEST_DEVICE_H

#include <SDL.h>

#include <cstdlib>
#include <string>

#include "platform/sdl/sdl_device.h"

// The desktop device without a screen or sound card, at scale 1, with its instance lock and its
// kept game in a private folder.
inline void use_dummy_device(const std::string &folder) {
    setenv("XDG_RUNTIME_DIR", folder.c_str(), 1);
    setenv("XDG_STATE_HOME", folder.c_str(), 1);
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    setenv("VORLEN_SCALE", "1", 1);
}

// Pushes a left-button press or release at a window position.
inline void push_button(Uint32 type, int x, int y) {
    SDL_Event e{};
    Uint8 state = type == SDL_MOUSEBUTTONDOWN ? SDL_PRESSED : SDL_RELEASED;
    e.button = SDL_MouseButtonEvent{type, 0, sdl_device_window_id(), 0, SDL_BUTTON_LEFT, state, 1, 0, x, y};
    SDL_PushEvent(&e);
}

// Pushes a left-button click (press and release) at a window position.
inline void push_click(int x, int y) {
    push_button(SDL_MOUSEBUTTONDOWN, x, y);
    push_button(SDL_MOUSEBUTTONUP, x, y);
}

// Pushes the close of the last window (as its close box does).
inline void push_close() {
    SDL_Event quit{};
    quit.type = SDL_QUIT;
    SDL_PushEvent(&quit);
}

#endif
