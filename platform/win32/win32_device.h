// The Windows device's start and stop around WinMain. It reads VORLEN_DISPLAY and VORLEN_SCALE
// at start (platform/common/desktop.h), and VORLEN_RECORD or VORLEN_REPLAY
// (platform/common/session_device.h); unless it replays, it keeps the person's game
// (keeping.cpp), and a start that finds one kept plays it back first.
#ifndef VORLEN_PLATFORM_WIN32_WIN32_DEVICE_H
#define VORLEN_PLATFORM_WIN32_WIN32_DEVICE_H

#include <cstdint>

// Looks for another instance; when there is none, starts the session to play or record and
// opens the real window (hidden until the game shows its own). Returns 1, or 0 with a message
// on stderr when the session cannot be played or there is no window.
int win32_device_start();
// Closes the window win32_device_start opened and ends its session.
void win32_device_stop();
// WinMain returned: the person ended the game, so nothing stays kept.
void win32_device_run_ended();
// Starts keeping the game in %LOCALAPPDATA%\vorlen (keeping.cpp).
void win32_keeping_start();
// Calls stand_in instead of starting a new process when a kept game cannot be resumed (tests).
void win32_device_on_restart(void (*stand_in)());
// Calls watch after every presented frame (null: nothing), for tests; and the last presented
// frame as 240 x 320 RGB565, as the window is sent it.
void win32_device_on_present(void (*watch)());
const uint16_t *win32_device_picture();

#endif
