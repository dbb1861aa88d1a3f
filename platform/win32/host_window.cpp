// The real window of class "vorlen": created hidden at start, shown while the game's window is,
// the picture kept in a bitmap and placed in the client area as the devices share it (only the
// part that changed is sent, StretchBlt), and the mouse, keys, activation and close box handed
// to the device side.
#include <windows.h>
#include <windowsx.h>

#include <cstdlib>
#include <cstring>

#include "platform/common/desktop.h"
#include "platform/win32/host.h"
#include "platform/win32/host_dpi.h"

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

HWND window = nullptr;        // the real window, null before open and after close
HDC picture_dc = nullptr;     // a memory device context holding the picture's bitmap
HBITMAP bitmap = nullptr;     // the picture the window shows, 240 x 320 RGB565
HGDIOBJ first_bitmap = nullptr;  // what picture_dc held before the picture's bitmap
uint16_t *pixels = nullptr;   // the bitmap's pixels, rows from the top
bool has_picture = false;     // a frame has been presented since the window opened

// Where the picture lies in the client area now.
HostRect picture_place() {
    RECT client;
    GetClientRect(window, &client);
    return win32_picture_rect(client.right, client.bottom);
}

// Copies a part of the picture (nearest neighbour) to the same part of its place in the window.
// The part's edges map to whole window pixels only at a whole scale; at any other the whole
// picture is sent, so that a part never disagrees with its neighbours at its edges.
void paint_part(HDC dc, const HostRect &place, int left, int top, int right, int bottom) {
    SetStretchBltMode(dc, COLORONCOLOR);
    int sx = place.width / PICTURE_WIDTH, sy = place.height / PICTURE_HEIGHT;
    if (sx == 0 || place.width % PICTURE_WIDTH || place.height % PICTURE_HEIGHT) {
        StretchBlt(dc, place.left, place.top, place.width, place.height, picture_dc, 0, 0, PICTURE_WIDTH,
                   PICTURE_HEIGHT, SRCCOPY);
        return;
    }
    StretchBlt(dc, place.left + left * sx, place.top + top * sy, (right - left) * sx, (bottom - top) * sy, picture_dc,
               left, top, right - left, bottom - top, SRCCOPY);
}

// Paints the whole picture and the letterbox around it black.
void paint(HDC dc) {
    RECT client;
    GetClientRect(window, &client);
    HostRect place = picture_place();
    if (has_picture) paint_part(dc, place, 0, 0, PICTURE_WIDTH, PICTURE_HEIGHT);
    int saved = SaveDC(dc);
    if (has_picture) ExcludeClipRect(dc, place.left, place.top, place.left + place.width, place.top + place.height);
    FillRect(dc, &client, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    RestoreDC(dc, saved);
}

// Makes the bitmap the picture is kept in, selected into its own memory device context.
bool open_picture() {
    void *bits = nullptr;
    bitmap = CreateDIBSection(nullptr, reinterpret_cast<const BITMAPINFO *>(&PICTURE_INFO), DIB_RGB_COLORS, &bits,
                              nullptr, 0);
    picture_dc = CreateCompatibleDC(nullptr);
    if (!bitmap || !picture_dc) return false;
    pixels = static_cast<uint16_t *>(bits);
    first_bitmap = SelectObject(picture_dc, bitmap);
    return true;
}

void close_picture() {
    if (picture_dc && first_bitmap) SelectObject(picture_dc, first_bitmap);
    if (picture_dc) DeleteDC(picture_dc);
    if (bitmap) DeleteObject(bitmap);
    picture_dc = nullptr, bitmap = nullptr, first_bitmap = nullptr, pixels = nullptr;
    has_picture = false;
}

// A window's outer size for a client area of the picture at this scale, at its screen's DPI.
SIZE window_size(HWND hwnd, int scale) {
    RECT rect{0, 0, PICTURE_WIDTH * scale, PICTURE_HEIGHT * scale};
    host_adjust_window_rect(&rect, WINDOW_STYLE, host_window_dpi(hwnd));
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
    case WM_ENDSESSION:
        if (w_param) win32_session_ending();
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

// The program's DPI awareness (per monitor where Windows offers it) is declared in its manifest.
int host_window_open() {
    HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSW window_class{};
    window_class.lpfnWndProc = procedure;
    window_class.hInstance = instance;
    window_class.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(ICON_RESOURCE));
    window_class.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    window_class.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
    window_class.lpszClassName = CLASS_NAME;
    if (!RegisterClassW(&window_class) || !open_picture()) return 0;
    window = CreateWindowExW(0, CLASS_NAME, CLASS_NAME, WINDOW_STYLE, CW_USEDEFAULT, CW_USEDEFAULT,
                             PICTURE_WIDTH, PICTURE_HEIGHT, nullptr, nullptr, instance, nullptr);
    if (!window) return 0;
    fit_to_work_area();
    return 1;
}

void host_window_close() {
    if (window) DestroyWindow(window);
    window = nullptr;
    close_picture();
    UnregisterClassW(CLASS_NAME, GetModuleHandleW(nullptr));
}

void host_window_show(int shown) {
    if (!window) return;
    ShowWindow(window, shown ? SW_SHOW : SW_HIDE);
    if (shown) SetForegroundWindow(window);
}

void host_window_present(const uint16_t *picture, int left, int top, int right, int bottom) {
    if (!pixels) return;
    GdiFlush();  // the bitmap is written only once GDI has finished reading it
    for (int y = top; y < bottom; ++y)
        std::memcpy(pixels + y * PICTURE_WIDTH + left, picture + y * PICTURE_WIDTH + left,
                    size_t(right - left) * sizeof *pixels);
    has_picture = true;
    if (!window || !IsWindowVisible(window)) return;
    HDC dc = GetDC(window);
    paint_part(dc, picture_place(), left, top, right, bottom);
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
