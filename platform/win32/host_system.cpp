// The real Windows calls behind the device's clock, files, module path, sounds and the search
// for another instance.
#include <windows.h>
#include <mmsystem.h>

#include "platform/win32/host.h"

namespace {

const wchar_t CLASS_NAME[] = L"vorlen";
HWND other_window = nullptr;  // another instance's window, found at start

// The device's 16-bit wide strings are Windows' own.
const wchar_t *wide(const char16_t *text) { return reinterpret_cast<const wchar_t *>(text); }

}  // namespace

uint32_t host_ticks() { return GetTickCount(); }
void host_sleep(uint32_t ms) { Sleep(ms); }

uint32_t host_module_path(char16_t *buffer, uint32_t size) {
    return GetModuleFileNameW(nullptr, reinterpret_cast<wchar_t *>(buffer), size);
}

void *host_create_file(const char16_t *path, uint32_t access, uint32_t share, uint32_t disposition,
                       uint32_t attributes) {
    return CreateFileW(wide(path), access, share, nullptr, disposition, attributes, nullptr);
}

int host_read_file(void *handle, void *buffer, uint32_t count, uint32_t *read) {
    DWORD got = 0;
    BOOL ok = ReadFile(handle, buffer, count, &got, nullptr);
    if (read) *read = got;
    return ok ? 1 : 0;
}

int host_close_handle(void *handle) { return CloseHandle(handle) ? 1 : 0; }
void *host_invalid_handle() { return INVALID_HANDLE_VALUE; }

int host_play_sound(const char16_t *path, uint32_t flags) {
    return PlaySoundW(wide(path), nullptr, flags) ? 1 : 0;
}

int host_other_instance_running() {
    other_window = FindWindowW(CLASS_NAME, nullptr);
    return other_window != nullptr;
}

void host_show_other_instance() {
    if (!other_window) return;
    ShowWindow(other_window, IsIconic(other_window) ? SW_RESTORE : SW_SHOW);
    SetForegroundWindow(other_window);
}
