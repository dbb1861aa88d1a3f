// The window's DPI on every Windows the game runs on (7 and later). Host side: includes the
// real <windows.h>.
#ifndef VORLEN_PLATFORM_WIN32_HOST_DPI_H
#define VORLEN_PLATFORM_WIN32_HOST_DPI_H

#include <windows.h>

// The DPI the window is drawn at: its monitor's where Windows 10 tells it, otherwise the
// system's (which is what a system-aware program is given on older Windows).
UINT host_window_dpi(HWND window);
// Grows a client rectangle to the window's outer rectangle for this style at this DPI.
void host_adjust_window_rect(RECT *rect, DWORD style, UINT dpi);

#endif
