// The real window of class "vorlen": created hidden at start, shown while the game's window is,
// the picture placed in its client area as the devices share it (StretchDIBits), and the
// mouse, keys, activation and close box handed to the device side.
#include <windows.h>
#include <windowsx.h>

#include <cstdlib>

#include "platform/common/desktop.h"
#include "platform/win32/host.h"

namespace {

const wchar_t CLASS_NAME[] = L"vorlen";  // the class and the title another start looks for
const int PICTURE_WIDTH = 240;
const int PICTURE_HEIGHT = 320;
const int ICON_RESOURCE = 101;           // the executable's icon, when it carries one
const DWORD WINDOW_STYLE = WS_OVERLAPPEDWINDOW;
const LPARAM REPEAT_BIT = LPARAM(1) << 30;  // a key message's "was already down" bit

// A 240 x 320 top-down RGB565 picture as GDI takes it.
struct PictureInfo {
    BITMAPINFOHEADER header;
    DWORD masks[3];
};
const PictureInfo PICTURE_INFO = {
    {sizeof(BITMAPINFOHEADER), PICTURE_WIDTH, -PICTURE_HEIGHT, 1, 16, BI_BITFIELDS, 0, 0, 0, 0, 0},
    {0xF800, 0x07E0, 0x001F},
};

HWND window = nullptr;                  // the real window, null before open and after close
const uint16_t *picture = nullptr;      // the picture to paint; null until the first frame

// Paints the picture (nearest neighbour) and the letterbox around it black.
void paint(HDC dc) {
    RECT client;
    GetClientRect(window, &client);
    HostRect place = win32_picture_rect(client.right, client.bottom);
    SetStretchBltMode(dc, COLORONCOLOR);
    if (picture)
        StretchDIBits(dc, place.left, place.top, place.width, place.height, 0, 0, PICTURE_WIDTH, PICTURE_HEIGHT,
                      picture, reinterpret_cast<const BITMAPINFO *>(&PICTURE_INFO), DIB_RGB_COLORS, SRCCOPY);
    int saved = SaveDC(dc);
    if (picture) ExcludeClipRect(dc, place.left, place.top, place.left + place.width, place.top + place.height);
    FillRect(dc, &client, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    RestoreDC(dc, saved);
}

// A window's outer size for a client area of the picture at this scale, at its screen's DPI.
SIZE window_size(HWND hwnd, int scale) {
    RECT rect{0, 0, PICTURE_WIDTH * scale, PICTURE_HEIGHT * scale};
    AdjustWindowRectExForDpi(&rect, WINDOW_STYLE, FALSE, 0, GetDpiForWindow(hwnd));
    return SIZE{rect.right - rect.left, rect.bottom - rect.top};
}

// Sizes the window to the scale VORLEN_SCALE asks for or that fits the work area with its
// frame (as the SDL device fits the screen), centred in it.
void fit_to_work_area() {
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromWindow(window, MONITOR_DEFAULTTOPRIMARY), &monitor);
    RECT work = monitor.rcWork;
    SIZE frame = window_size(window, 0);  // what the frame and title bar add
    int scale = window_scale(std::getenv("VORLEN_SCALE"), work.right - work.left - frame.cx,
                             work.bottom - work.top - frame.cy);
    SIZE size = window_size(window, scale);
    SetWindowPos(window, nullptr, work.left + (work.right - work.left - size.cx) / 2,
                 work.top + (work.bottom - work.top - size.cy) / 2, size.cx, size.cy, SWP_NOZORDER | SWP_NOACTIVATE);
}

// Handles the input messages; returns false for the others. Mouse positions are signed:
// captured ones may lie left of or above the window.
bool input_message(UINT message, WPARAM w_param, LPARAM l_param) {
    switch (message) {
    case WM_LBUTTONDOWN:
        SetCapture(window);  // the release arrives even off the window
        win32_button(1, GET_X_LPARAM(l_param), GET_Y_LPARAM(l_param));
        return true;
    case WM_LBUTTONUP:
        ReleaseCapture();
        win32_button(0, GET_X_LPARAM(l_param), GET_Y_LPARAM(l_param));
        return true;
    case WM_MOUSEMOVE:
        win32_mouse_move(GET_X_LPARAM(l_param), GET_Y_LPARAM(l_param));
        return true;
    case WM_KEYDOWN:
        if (!(l_param & REPEAT_BIT)) win32_key(unsigned(w_param), 1);
        return true;
    case WM_KEYUP:
        win32_key(unsigned(w_param), 0);
        return true;
    default:
        return false;
    }
}

LRESULT CALLBACK procedure(HWND hwnd, UINT message, WPARAM w_param, LPARAM l_param) {
    if (input_message(message, w_param, l_param)) return 0;
    switch (message) {
    case WM_ACTIVATE:
        win32_activate(LOWORD(w_param));
        return 0;
    case WM_CLOSE:
        win32_close_request();  // the game ends as on Quit and closes its window itself
        return 0;
    case WM_PAINT: {
        PAINTSTRUCT ps;
        paint(BeginPaint(hwnd, &ps));
        EndPaint(hwnd, &ps);
        return 0;
    }
    case WM_ERASEBKGND:
        return 1;  // painting covers the whole client area
    case WM_SIZE:
        InvalidateRect(hwnd, nullptr, FALSE);
        return 0;
    case WM_GETMINMAXINFO: {
        SIZE least = window_size(hwnd, 1);
        reinterpret_cast<MINMAXINFO *>(l_param)->ptMinTrackSize = POINT{least.cx, least.cy};
        return 0;
    }
    case WM_DPICHANGED: {
        const RECT *suggested = reinterpret_cast<const RECT *>(l_param);
        SetWindowPos(hwnd, nullptr, suggested->left, suggested->top, suggested->right - suggested->left,
                     suggested->bottom - suggested->top, SWP_NOZORDER | SWP_NOACTIVATE);
        return 0;
    }
    default:
        return DefWindowProcW(hwnd, message, w_param, l_param);
    }
}

}  // namespace

int host_window_open() {
    SetProcessDpiAwarenessContext(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2);
    HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSW window_class{};
    window_class.lpfnWndProc = procedure;
    window_class.hInstance = instance;
    window_class.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(ICON_RESOURCE));
    window_class.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    window_class.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
    window_class.lpszClassName = CLASS_NAME;
    if (!RegisterClassW(&window_class)) return 0;
    window = CreateWindowExW(0, CLASS_NAME, CLASS_NAME, WINDOW_STYLE, CW_USEDEFAULT, CW_USEDEFAULT,
                             PICTURE_WIDTH, PICTURE_HEIGHT, nullptr, nullptr, instance, nullptr);
    if (!window) return 0;
    fit_to_work_area();
    return 1;
}

void host_window_close() {
    if (window) DestroyWindow(window);
    window = nullptr;
    picture = nullptr;
    UnregisterClassW(CLASS_NAME, GetModuleHandleW(nullptr));
}

void host_window_show(int shown) {
    if (!window) return;
    ShowWindow(window, shown ? SW_SHOW : SW_HIDE);
    if (shown) SetForegroundWindow(window);
}

void host_window_present(const uint16_t *frame) {
    picture = frame;
    if (!window || !IsWindowVisible(window)) return;
    HDC dc = GetDC(window);
    paint(dc);
    ReleaseDC(window, dc);
}

void host_pump() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

void host_client_size(int *width, int *height) {
    RECT client{0, 0, 0, 0};
    if (window) GetClientRect(window, &client);
    *width = client.right;
    *height = client.bottom;
}
