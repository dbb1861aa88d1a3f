// Files on a host with POSIX files (the desktop, and the browser's in-memory file system): the
// device's backslash paths are the host's paths with slashes. Only regular files are opened: a
// FIFO or a device in a file's place would block or never end, so it counts as missing.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>

#include "platform/common/files.h"
#include "platform/common/host_path.h"

namespace {

// The host descriptor a handle carries: handles are descriptor + 1, so none is null and the
// invalid handle (-1) stays distinct.
int descriptor(HANDLE handle) { return int(reinterpret_cast<intptr_t>(handle)) - 1; }

// Opens a host file for reading when it is a regular file, giving its descriptor and size; -1
// otherwise. The open does not wait (a FIFO would block it until a writer came).
int open_regular(const std::string &path, int extra_flags, off_t *size) {
    int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | extra_flags, 0644);
    if (fd < 0) return -1;
    struct stat info;
    if (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) || fcntl(fd, F_SETFL, 0) != 0) {
        close(fd);
        return -1;
    }
    *size = info.st_size;
    return fd;
}

// Reads from a descriptor until the count is met or the file ends; the count read, or -1.
ssize_t read_fully(int fd, char *buffer, size_t count) {
    size_t total = 0;
    while (total < count) {
        ssize_t got = read(fd, buffer + total, count - total);
        if (got < 0) return -1;
        if (got == 0) break;
        total += size_t(got);
    }
    return ssize_t(total);
}

}  // namespace

std::string device_host_path(const char16_t *device_path) {
    std::string out = host_bytes_from_utf16(device_path ? device_path : u"");
    std::replace(out.begin(), out.end(), '\\', '/');
    return out;
}

std::u16string device_path_of_host(const std::string &host_path) {
    std::u16string out = utf16_from_host_bytes(host_path);
    std::replace(out.begin(), out.end(), u'/', u'\\');
    return out;
}

HANDLE CreateFileW(LPCWSTR lpFileName, DWORD dwDesiredAccess, DWORD, LPVOID, DWORD dwCreationDisposition, DWORD,
                   HANDLE) {
    if (!lpFileName || !(dwDesiredAccess & GENERIC_READ)) return INVALID_HANDLE_VALUE;
    off_t size = 0;
    int fd = open_regular(device_host_path(lpFileName), dwCreationDisposition == OPEN_ALWAYS ? O_CREAT : 0, &size);
    return fd < 0 ? INVALID_HANDLE_VALUE : reinterpret_cast<HANDLE>(intptr_t(fd) + 1);
}

BOOL ReadFile(HANDLE hFile, LPVOID lpBuffer, DWORD nNumberOfBytesToRead, DWORD *lpNumberOfBytesRead, LPVOID) {
    if (lpNumberOfBytesRead) *lpNumberOfBytesRead = 0;
    if (hFile == INVALID_HANDLE_VALUE || !hFile) return FALSE;
    // Reads until the count is met or the file ends, as the device's ReadFile does.
    ssize_t total = read_fully(descriptor(hFile), static_cast<char *>(lpBuffer), nNumberOfBytesToRead);
    if (total < 0) return FALSE;
    if (lpNumberOfBytesRead) *lpNumberOfBytesRead = DWORD(total);
    return TRUE;
}

int read_host_file(const std::string &path, size_t limit, std::vector<uint8_t> *bytes) {
    off_t size = 0;
    int fd = open_regular(path, 0, &size);
    if (fd < 0) return 0;
    bool ok = uint64_t(size) <= limit;
    if (ok) {
        bytes->resize(size_t(size));
        ssize_t got = read_fully(fd, reinterpret_cast<char *>(bytes->data()), bytes->size());
        ok = got >= 0;
        if (ok) bytes->resize(size_t(got));  // a file cut short meanwhile keeps what it had
    }
    close(fd);
    return ok ? 1 : 0;
}

BOOL CloseHandle(HANDLE hObject) {
    if (hObject == INVALID_HANDLE_VALUE || !hObject) return FALSE;
    return close(descriptor(hObject)) == 0 ? TRUE : FALSE;
}
