// The real window seen from outside: messages posted to it and its pixels read back through GDI;
// and the test program's own folder.
#include "tests/platform/win32_window.h"

#include <windows.h>

namespace {

HWND game_window() { return FindWindowW(L"vorlen", nullptr); }

}  // namespace

void window_click(int x, int y) {
    LPARAM at = MAKELPARAM(x, y);
    PostMessageW(game_window(), WM_LBUTTONDOWN, MK_LBUTTON, at);
    PostMessageW(game_window(), WM_LBUTTONUP, 0, at);
}

void window_close() { PostMessageW(game_window(), WM_CLOSE, 0, 0); }

std::vector<uint32_t> window_pixels(int *width, int *height) {
    HWND window = game_window();
    RECT client{0, 0, 0, 0};
    GetClientRect(window, &client);
    *width = client.right, *height = client.bottom;
    std::vector<uint32_t> pixels(size_t(*width) * size_t(*height));
    if (pixels.empty()) return pixels;
    HDC dc = GetDC(window);
    HDC memory = CreateCompatibleDC(dc);
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), *width, -*height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void *bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ before = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, *width, *height, dc, 0, 0, SRCCOPY);
    GdiFlush();
    const uint32_t *read = static_cast<const uint32_t *>(bits);
    for (size_t i = 0; i < pixels.size(); ++i) pixels[i] = read[i] & 0xFFFFFF;
    SelectObject(memory, before);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(window, dc);
    return pixels;
}

std::string program_folder() {
    char path[MAX_PATH];
    DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder(path, length < MAX_PATH ? length : 0);
    return folder.substr(0, folder.find_last_of('\\') + 1);
}

int run_test_alone(const std::string &test) {
    char path[MAX_PATH];
    DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return -1;
    std::string command = "\"" + std::string(path) + "\" --gtest_also_run_disabled_tests --gtest_filter=" + test;
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessA(path, &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process)) return -1;
    WaitForSingleObject(process.hProcess, INFINITE);
    DWORD status = DWORD(-1);
    GetExitCodeProcess(process.hProcess, &status);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return int(status);
}

void terminate_self() {
    TerminateProcess(GetCurrentProcess(), 9);
    for (;;) Sleep(INFINITE);
}
