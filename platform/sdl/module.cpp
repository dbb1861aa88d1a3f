// The executable's path on the desktop: its real one, in the device's form.
#include <unistd.h>

#include <climits>

#include "platform/common/files.h"

DWORD GetModuleFileNameW(HMODULE, LPWSTR lpFilename, DWORD nSize) {
    char host[PATH_MAX];
    ssize_t length = readlink("/proc/self/exe", host, sizeof host - 1);
    if (length < 0) length = 0;
    return device_copy_module_path(device_path_of_host(std::string(host, size_t(length))), lpFilename, nSize);
}
