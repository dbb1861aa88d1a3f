// The DPI calls Windows 10 added (GetDpiForWindow and AdjustWindowRectExForDpi, version 1607)
// are looked up in user32 at run time, so that the program still starts on Windows 7 and 8,
// where the loader would refuse an import it cannot find; there the older calls stand in.
#include "platform/win32/host_dpi.h"

namespace {

using GetDpiForWindowCall = UINT(WINAPI *)(HWND);
using AdjustWindowRectExForDpiCall = BOOL(WINAPI *)(RECT *, DWORD, BOOL, DWORD, UINT);

// A function of user32 by name, or null where this Windows lacks it.
template <typename Call>
Call user32_call(const char *name) {
    HMODULE user32 = GetModuleHandleW(L"user32.dll");
    FARPROC found = user32 ? GetProcAddress(user32, name) : nullptr;
    return reinterpret_cast<Call>(reinterpret_cast<void *>(found));
}

const GetDpiForWindowCall get_dpi_for_window = user32_call<GetDpiForWindowCall>("GetDpiForWindow");
const AdjustWindowRectExForDpiCall adjust_for_dpi =
    user32_call<AdjustWindowRectExForDpiCall>("AdjustWindowRectExForDpi");

// The system's DPI, as the screen's device context reports it.
UINT system_dpi() {
    HDC screen = GetDC(nullptr);
    int dpi = screen ? GetDeviceCaps(screen, LOGPIXELSY) : 0;
    if (screen) ReleaseDC(nullptr, screen);
    return dpi > 0 ? UINT(dpi) : USER_DEFAULT_SCREEN_DPI;
}

}  // namespace

UINT host_window_dpi(HWND window) {
    UINT dpi = get_dpi_for_window ? get_dpi_for_window(window) : 0;
    return dpi ? dpi : system_dpi();
}

void host_adjust_window_rect(RECT *rect, DWORD style, UINT dpi) {
    if (adjust_for_dpi && adjust_for_dpi(rect, style, FALSE, 0, dpi)) return;
    AdjustWindowRectEx(rect, style, FALSE, 0);
}
