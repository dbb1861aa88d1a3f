// The real Windows calls behind the device's clock, files, module path, sounds, the kept game's
// storage and the search for another instance.
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

int host_local_data_file(const char16_t *name, char16_t *path) {
    wchar_t *out = reinterpret_cast<wchar_t *>(path);
    DWORD length = GetEnvironmentVariableW(L"LOCALAPPDATA", out, HOST_MAX_PATH);
    if (length == 0 || length + 1 + wcslen(wide(name)) >= HOST_MAX_PATH) return 0;
    out[length] = L'\\';
    wcscpy(out + length + 1, wide(name));
    return 1;
}

int host_read_whole_file(const char16_t *path, uint32_t limit, std::string *bytes) {
    bytes->clear();
    HANDLE file = CreateFileW(wide(path), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return 0;
    LARGE_INTEGER size;
    DWORD got = 0;
    bool read = GetFileSizeEx(file, &size) && size.QuadPart <= limit;
    if (read) {
        bytes->resize(size_t(size.QuadPart));
        read = ReadFile(file, &(*bytes)[0], DWORD(bytes->size()), &got, nullptr) && got == bytes->size();
    }
    CloseHandle(file);
    if (!read) bytes->clear();
    return read ? 1 : 0;
}

int host_replace_file(const char16_t *folder, const char16_t *path, const std::string &bytes) {
    CreateDirectoryW(wide(folder), nullptr);  // already there, or the file cannot be made below
    wchar_t temporary[HOST_MAX_PATH + 4];
    wcscpy(temporary, wide(path));
    wcscat(temporary, L".new");
    HANDLE file = CreateFileW(temporary, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return 0;
    DWORD written = 0;
    bool whole = WriteFile(file, bytes.data(), DWORD(bytes.size()), &written, nullptr) && written == bytes.size();
    whole = CloseHandle(file) && whole;
    if (whole && MoveFileExW(temporary, wide(path), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return 1;
    DeleteFileW(temporary);
    return 0;
}

void host_delete_file(const char16_t *path) { DeleteFileW(wide(path)); }

int host_start_again(const char16_t *variable) {
    wchar_t program[HOST_MAX_PATH];
    DWORD length = GetModuleFileNameW(nullptr, program, HOST_MAX_PATH);
    if (length == 0 || length >= HOST_MAX_PATH || !SetEnvironmentVariableW(wide(variable), L"1")) return 0;
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(program, nullptr, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process)) return 0;
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return 1;
}

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
