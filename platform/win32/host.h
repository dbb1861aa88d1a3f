// Where the Windows device's two sides meet. The host side (host_*.cpp) includes only the
// real <windows.h>; the device side (the other files) includes only platform/device.h, whose
// handheld names would clash with the real ones. This header uses neither: plain numbers,
// 16-bit wide strings, byte strings and opaque pointers.
#ifndef VORLEN_PLATFORM_WIN32_HOST_H
#define VORLEN_PLATFORM_WIN32_HOST_H

#include <cstdint>
#include <string>

// ---- Window (host_window.cpp) ----
// Registers the real window class "vorlen" and creates its hidden, resizable window, its
// client area the picture at the largest whole scale that fits the work area; 0 on failure.
int host_window_open();
void host_window_close();
// Shows or hides the window; a shown window comes to the front.
void host_window_show(int shown);
// Puts the part (columns left..right-1, rows top..bottom-1) of a 240 x 320 RGB565 picture in
// the window at once; the window keeps a copy and repaints from it whenever Windows asks.
void host_window_present(const uint16_t *picture, int left, int top, int right, int bottom);
// Dispatches every waiting message of this thread; the window procedure hands input on
// through the win32_* calls below.
void host_pump();
// The client area's size in pixels.
void host_client_size(int *width, int *height);

// ---- Where the picture lies in the client area (input.cpp) ----
struct HostRect {
    int left, top, width, height;
};
HostRect win32_picture_rect(int client_width, int client_height);

// ---- Input the window procedure hands to the device side (input.cpp) ----
// The left button and the mouse, at client positions (which may lie off the window).
void win32_button(int down, int x, int y);
void win32_mouse_move(int x, int y);
// A key went down (not an auto-repeat) or up, by its real virtual-key code.
void win32_key(unsigned virtual_key, int down);
// The window was activated (1) or deactivated (0).
void win32_activate(int active);
// Windows ends the user's session (log off, shut down): the process ends soon after.
void win32_session_ending();
// The close box, Alt+F4 or the system menu's Close.
void win32_close_request();

// ---- System (host_system.cpp) ----
uint32_t host_ticks();
void host_sleep(uint32_t ms);
// The executable's full path, as GetModuleFileNameW gives it.
uint32_t host_module_path(char16_t *buffer, uint32_t size);
// The real file calls; a handle is an opaque pointer, host_invalid_handle() when refused.
void *host_create_file(const char16_t *path, uint32_t access, uint32_t share, uint32_t disposition,
                       uint32_t attributes);
int host_read_file(void *handle, void *buffer, uint32_t count, uint32_t *read);
int host_close_handle(void *handle);
void *host_invalid_handle();
// The real PlaySoundW on a WAV file (flags as the device's, which are Windows' own values).
int host_play_sound(const char16_t *path, uint32_t flags);
// The kept game's storage: the path of a name in the user's local data folder (%LOCALAPPDATA%),
// 0 when Windows does not say or it is longer than HOST_MAX_PATH; a file read whole when it
// holds at most limit bytes (0 when missing, unreadable or larger); a file replaced whole, never
// torn (written beside it, then moved over it), its folder made first; a file deleted.
#define HOST_MAX_PATH 260  // Windows' MAX_PATH, the longest path the calls below take
int host_local_data_file(const char16_t *name, char16_t *path);
int host_read_whole_file(const char16_t *path, uint32_t limit, std::string *bytes);
int host_replace_file(const char16_t *folder, const char16_t *path, const std::string &bytes);
void host_delete_file(const char16_t *path);
// Starts this program again, as a new process with the environment variable set to 1; 0 when
// it could not be started.
int host_start_again(const char16_t *variable);
// Another instance's window of class "vorlen" (not this process's own), and bringing it to
// the front.
int host_other_instance_running();
void host_show_other_instance();

#endif
