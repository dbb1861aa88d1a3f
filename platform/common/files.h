// What the devices share of files: the device's backslash paths on a host with POSIX files
// (host_files.cpp, which also implements CreateFileW, ReadFile and CloseHandle there), and the
// way GetModuleFileNameW hands a path out.
#ifndef VORLEN_PLATFORM_COMMON_FILES_H
#define VORLEN_PLATFORM_COMMON_FILES_H

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/device.h"

// The host path a device path names (backslashes become slashes, UTF-16 becomes UTF-8), and the
// device path of a host path; any host path's bytes come back unchanged (see host_path.h).
std::string device_host_path(const char16_t *device_path);
std::u16string device_path_of_host(const std::string &host_path);

// Reads a regular host file whole when it holds at most `limit` bytes (the size is checked
// before anything is read). 1 when read; 0 when missing, not a regular file, unreadable or too
// large.
int read_host_file(const std::string &path, size_t limit, std::vector<uint8_t> *bytes);

// Copies the executable's path into the caller's buffer as GetModuleFileNameW does on the
// device: a short buffer receives what fits, terminated, and the result is then nSize.
DWORD device_copy_module_path(const std::u16string &path, LPWSTR buffer, DWORD size);

#endif
