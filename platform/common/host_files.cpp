// Files on a host with POSIX files (the desktop, and the browser's in-memory file system): the
// device's backslash paths are the host's paths with slashes.
#include <fcntl.h>
#include <unistd.h>

#include "platform/common/files.h"

namespace {

// The host descriptor a handle carries: handles are descriptor + 1, so none is null and the
// invalid handle (-1) stays distinct.
int descriptor(HANDLE handle) { return int(reinterpret_cast<intptr_t>(handle)) - 1; }

// Appends one code point to UTF-8 text.
void append_utf8(std::string *out, uint32_t c) {
    if (c < 0x80) {
        *out += char(c);
    } else if (c < 0x800) {
        *out += char(0xC0 | c >> 6);
        *out += char(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        *out += char(0xE0 | c >> 12);
        *out += char(0x80 | (c >> 6 & 0x3F));
        *out += char(0x80 | (c & 0x3F));
    } else {
        *out += char(0xF0 | c >> 18);
        *out += char(0x80 | (c >> 12 & 0x3F));
        *out += char(0x80 | (c >> 6 & 0x3F));
        *out += char(0x80 | (c & 0x3F));
    }
}

// The length of the UTF-8 sequence a lead byte starts (1 for a stray byte, taken as it is).
int sequence_length(unsigned char lead) { return lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1; }

}  // namespace

std::string device_host_path(const char16_t *device_path) {
    std::string out;
    for (const char16_t *p = device_path; p && *p; ++p) {
        uint32_t c = *p;
        if (c >= 0xD800 && c < 0xDC00 && p[1] >= 0xDC00 && p[1] < 0xE000) {
            c = 0x10000 + ((c - 0xD800) << 10) + (uint32_t(p[1]) - 0xDC00);
            ++p;
        }
        append_utf8(&out, c == u'\\' ? u'/' : c);
    }
    return out;
}

std::u16string device_path_of_host(const std::string &host_path) {
    std::u16string out;
    for (size_t i = 0; i < host_path.size();) {
        unsigned char lead = static_cast<unsigned char>(host_path[i]);
        int length = sequence_length(lead);
        if (i + size_t(length) > host_path.size()) length = 1;
        uint32_t c = length == 1 ? lead : lead & (0x7F >> length);
        for (int k = 1; k < length; ++k) c = c << 6 | (static_cast<unsigned char>(host_path[i + size_t(k)]) & 0x3F);
        i += size_t(length);
        if (c >= 0x10000) {
            out += char16_t(0xD800 + ((c - 0x10000) >> 10));
            out += char16_t(0xDC00 + ((c - 0x10000) & 0x3FF));
        } else {
            out += c == '/' ? u'\\' : char16_t(c);
        }
    }
    return out;
}

HANDLE CreateFileW(LPCWSTR lpFileName, DWORD dwDesiredAccess, DWORD, LPVOID, DWORD dwCreationDisposition, DWORD,
                   HANDLE) {
    if (!lpFileName || !(dwDesiredAccess & GENERIC_READ)) return INVALID_HANDLE_VALUE;
    int flags = O_RDONLY | O_CLOEXEC | (dwCreationDisposition == OPEN_ALWAYS ? O_CREAT : 0);
    int fd = open(device_host_path(lpFileName).c_str(), flags, 0644);
    return fd < 0 ? INVALID_HANDLE_VALUE : reinterpret_cast<HANDLE>(intptr_t(fd) + 1);
}

BOOL ReadFile(HANDLE hFile, LPVOID lpBuffer, DWORD nNumberOfBytesToRead, DWORD *lpNumberOfBytesRead, LPVOID) {
    if (lpNumberOfBytesRead) *lpNumberOfBytesRead = 0;
    if (hFile == INVALID_HANDLE_VALUE || !hFile) return FALSE;
    // Reads until the count is met or the file ends, as the device's ReadFile does.
    DWORD total = 0;
    while (total < nNumberOfBytesToRead) {
        ssize_t got = read(descriptor(hFile), static_cast<char *>(lpBuffer) + total, nNumberOfBytesToRead - total);
        if (got < 0) return FALSE;
        if (got == 0) break;
        total += DWORD(got);
    }
    if (lpNumberOfBytesRead) *lpNumberOfBytesRead = total;
    return TRUE;
}

BOOL CloseHandle(HANDLE hObject) {
    if (hObject == INVALID_HANDLE_VALUE || !hObject) return FALSE;
    return close(descriptor(hObject)) == 0 ? TRUE : FALSE;
}
