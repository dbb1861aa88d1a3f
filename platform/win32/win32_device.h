// The Windows device's start and stop around WinMain. It reads VORLEN_DISPLAY and VORLEN_SCALE
// at start (platform/common/desktop.h).
#ifndef VORLEN_PLATFORM_WIN32_WIN32_DEVICE_H
#define VORLEN_PLATFORM_WIN32_WIN32_DEVICE_H

// Looks for another instance; when there is none, opens the real window (hidden until the
// game shows its own). Returns 1, or 0 with a message on stderr when there is no window.
int win32_device_start();
// Closes the window win32_device_start opened.
void win32_device_stop();

#endif
