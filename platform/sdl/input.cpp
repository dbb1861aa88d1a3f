// The desktop's input as the device's messages: the left mouse button is the stylus, keys are
// the hardware keys, closing the window is a close request, focus is activation.
#include <SDL.h>

#include "platform/common/keys.h"
#include "platform/common/session_device.h"
#include "platform/common/stylus.h"
#include "platform/common/windows.h"
#include "platform/sdl/internal.h"

namespace {

// A desktop key as Windows' virtual-key code names it, for the hardware keys' one table: letters
// by their capital, either Enter as Return, the arrows; 0 for any key that table cannot hold.
unsigned windows_key(SDL_Keycode key) {
    if (key >= SDLK_a && key <= SDLK_z) return unsigned('A' + (key - SDLK_a));
    switch (key) {
        case SDLK_RETURN:
        case SDLK_KP_ENTER: return 0x0D;
        case SDLK_LEFT: return VK_LEFT;
        case SDLK_UP: return VK_UP;
        case SDLK_RIGHT: return VK_RIGHT;
        case SDLK_DOWN: return VK_DOWN;
        default: return 0;
    }
}

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
    if (!e.repeat) device_host_key(windows_key(e.keysym.sym), e.type == SDL_KEYDOWN);
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
    device_session_look_begin();
    if (device_session_catching_up()) {
        device_session_look_end();
        return;
    }
    bool take = device_session_takes_host_input();
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
    device_session_look_end();
}
