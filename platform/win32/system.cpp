// The clock, the module path, files and sounds: the real Windows calls, the clock and the pauses
// through the session when one is played or recorded.
#include "platform/common/session_device.h"
#include "platform/device.h"
#include "platform/win32/host.h"

// The clock and the pauses are the session's while one plays, and recorded while one is made.
DWORD GetTickCount(void) { return device_session_clock(host_ticks()); }

void Sleep(DWORD dwMilliseconds) {
    if (device_session_sleep(dwMilliseconds)) host_sleep(dwMilliseconds);
}

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
// A kept game plays back unheard.
BOOL PlaySoundW(LPCWSTR pszSound, HMODULE, DWORD fdwSound) {
    return device_session_catching_up() ? TRUE : host_play_sound(pszSound, fdwSound);
}
