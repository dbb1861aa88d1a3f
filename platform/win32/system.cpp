// The clock, the module path, files and sounds: the real Windows calls, passed straight through.
#include "platform/device.h"
#include "platform/win32/host.h"

DWORD GetTickCount(void) { return host_ticks(); }
void Sleep(DWORD dwMilliseconds) { host_sleep(dwMilliseconds); }

DWORD GetModuleFileNameW(HMODULE, LPWSTR lpFilename, DWORD nSize) { return host_module_path(lpFilename, nSize); }

HANDLE CreateFileW(LPCWSTR lpFileName, DWORD dwDesiredAccess, DWORD dwShareMode, LPVOID,
                   DWORD dwCreationDisposition, DWORD dwFlagsAndAttributes, HANDLE) {
    HANDLE handle = host_create_file(lpFileName, dwDesiredAccess, dwShareMode, dwCreationDisposition,
                                     dwFlagsAndAttributes);
    return handle == host_invalid_handle() ? INVALID_HANDLE_VALUE : handle;
}

BOOL ReadFile(HANDLE hFile, LPVOID lpBuffer, DWORD nNumberOfBytesToRead, DWORD *lpNumberOfBytesRead, LPVOID) {
    return host_read_file(hFile, lpBuffer, nNumberOfBytesToRead, lpNumberOfBytesRead);
}

BOOL CloseHandle(HANDLE hObject) { return host_close_handle(hObject); }
BOOL PlaySoundW(LPCWSTR pszSound, HMODULE, DWORD fdwSound) { return host_play_sound(pszSound, fdwSound); }
