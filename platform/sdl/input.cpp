// The desktop's input as the device's messages: the left mouse button is the stylus, keys are
// the hardware keys, closing the window is a close request, focus is activation.
#include <SDL.h>

#include "platform/common/stylus.h"
#include "platform/common/windows.h"
#include "platform/sdl/internal.h"

namespace {

// The keyboard keys that stand for the device's hardware keys.
struct KeyBinding {
    SDL_Keycode key;
    WPARAM code;
};
const KeyBinding KEY_BINDINGS[] = {
    {SDLK_UP, VK_UP},       {SDLK_DOWN, VK_DOWN}, {SDLK_LEFT, VK_LEFT},
    {SDLK_RIGHT, VK_RIGHT}, {SDLK_a, DEVICE_VK_A}, {SDLK_b, DEVICE_VK_B},
    {SDLK_c, DEVICE_VK_C},  {SDLK_RETURN, DEVICE_VK_START}, {SDLK_KP_ENTER, DEVICE_VK_START},
};

// The stylus: the left button pressed, moved and released, at the device pixel the window
// shows under the pointer.
void stylus_event(const SDL_Event &e) {
    if (e.type == SDL_MOUSEMOTION) {
        POINT at = window_device_pixel(e.motion.x, e.motion.y);
        device_stylus_move(at.x, at.y);
    } else if ((e.type == SDL_MOUSEBUTTONDOWN || e.type == SDL_MOUSEBUTTONUP) && e.button.button == SDL_BUTTON_LEFT) {
        POINT at = window_device_pixel(e.button.x, e.button.y);
        if (e.type == SDL_MOUSEBUTTONDOWN)
            device_stylus_press(at.x, at.y);
        else
            device_stylus_release(at.x, at.y);
    }
}

// A bound key going down (not its auto-repeat) or up.
void key_event(const SDL_KeyboardEvent &e) {
    if (e.repeat) return;
    for (const KeyBinding &binding : KEY_BINDINGS)
        if (binding.key == e.keysym.sym) device_post(e.type == SDL_KEYDOWN ? WM_KEYDOWN : WM_KEYUP, binding.code, 0);
}

// Focus changes are activation (when the person's input is taken); exposure and resizing redraw
// the last picture. (Closing the window arrives as SDL_QUIT, as does an interrupt.)
void window_event(const SDL_WindowEvent &e, bool take_focus) {
    if (take_focus && e.event == SDL_WINDOWEVENT_FOCUS_GAINED) device_post(WM_ACTIVATE, WA_ACTIVE, 0);
    if (take_focus && e.event == SDL_WINDOWEVENT_FOCUS_LOST) device_post(WM_ACTIVATE, WA_INACTIVE, 0);
    if (e.event == SDL_WINDOWEVENT_FOCUS_LOST) keeping_store();  // the person may not come back
    if (e.event == SDL_WINDOWEVENT_EXPOSED || e.event == SDL_WINDOWEVENT_SIZE_CHANGED) window_redraw();
}

}  // namespace

// While a session plays, the person's mouse, keys and focus do not reach the game; closing the
// window still does. While a kept game plays back, the host's input waits for the person's run.
void device_collect_input() {
    if (!SDL_WasInit(SDL_INIT_EVENTS)) return;
    keeping_look();
    session_look_begin();
    if (keeping_catches_up()) {
        session_look_end();
        return;
    }
    bool take = session_takes_host_input();
    SDL_Event e;
    while (SDL_PollEvent(&e)) {
        if (e.type == SDL_WINDOWEVENT)
            window_event(e.window, take);
        else if (e.type == SDL_QUIT && device_window_alive())
            device_post(WM_CLOSE, 0, 0);  // the last window closed, or an interrupt
        else if (!take)
            continue;
        else if (e.type == SDL_KEYDOWN || e.type == SDL_KEYUP)
            key_event(e.key);
        else
            stylus_event(e);
    }
    if (instance_take_show_request()) window_raise();
    session_look_end();
}
