// The test device's files: every file lives in memory under its device path (backslashes,
// letters compared without case as the device's file system does).
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <memory>

#include "platform/headless/headless.h"
#include "platform/headless/internal.h"

namespace {

struct File {
    std::u16string path;
    std::vector<uint8_t> bytes;
};

// One open handle: the file it reads and how far it has read.
struct OpenFile {
    size_t file;      // index into files
    size_t position;  // bytes read so far, 0..size of the file
};

std::vector<File> files;                                // every file of the device
std::map<HANDLE, std::unique_ptr<OpenFile>> handles;   // open handles, keyed by their value

// The index of the file at a device path, or -1 when there is none.
long find_file(const std::u16string &path) {
    for (size_t i = 0; i < files.size(); ++i)
        if (headless_same_path(files[i].path, path)) return long(i);
    return -1;
}

// The open record a handle names, or null for a handle that is not open.
OpenFile *open_file(HANDLE handle) {
    auto it = handles.find(handle);
    return it == handles.end() ? nullptr : it->second.get();
}

}  // namespace

bool headless_same_path(const std::u16string &a, const std::u16string &b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        char16_t x = a[i] >= u'A' && a[i] <= u'Z' ? char16_t(a[i] + 32) : a[i];
        char16_t y = b[i] >= u'A' && b[i] <= u'Z' ? char16_t(b[i] + 32) : b[i];
        if (x != y) return false;
    }
    return true;
}

void headless_reset_files() {
    files.clear();
    handles.clear();
}

void headless_add_file(const std::u16string &path, const std::vector<uint8_t> &bytes) {
    long index = find_file(path);
    if (index >= 0)
        files[size_t(index)].bytes = bytes;
    else
        files.push_back(File{path, bytes});
}

void headless_add_host_folder(const std::u16string &device_folder, const std::string &host_folder) {
    std::u16string prefix = device_folder;
    if (prefix.empty() || prefix.back() != u'\\') prefix += u'\\';
    std::error_code error;
    for (const auto &entry : std::filesystem::directory_iterator(host_folder, error)) {
        if (!entry.is_regular_file()) continue;
        std::ifstream in(entry.path(), std::ios::binary);
        std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        std::string name = entry.path().filename().string();
        headless_add_file(prefix + std::u16string(name.begin(), name.end()), bytes);
    }
}

void headless_add_game_folders(const std::string &host_folder) {
    headless_add_host_folder(u"\\vorlen\\Graph\\", host_folder + "/Graph");
    headless_add_host_folder(u"\\vorlen\\Sound\\", host_folder + "/Sound");
}

bool headless_file_exists(const std::u16string &path) { return find_file(path) >= 0; }
int headless_open_file_count() { return int(handles.size()); }

HANDLE CreateFileW(LPCWSTR lpFileName, DWORD dwDesiredAccess, DWORD, LPVOID,
                   DWORD dwCreationDisposition, DWORD, HANDLE) {
    headless_record_call("CreateFileW");
    if (!lpFileName || !(dwDesiredAccess & GENERIC_READ)) return INVALID_HANDLE_VALUE;
    long index = find_file(lpFileName);
    if (index < 0 && dwCreationDisposition == OPEN_ALWAYS) {
        files.push_back(File{lpFileName, {}});
        index = long(files.size() - 1);
    }
    if (index < 0) return INVALID_HANDLE_VALUE;
    auto record = std::make_unique<OpenFile>(OpenFile{size_t(index), 0});
    HANDLE handle = record.get();
    handles[handle] = std::move(record);
    return handle;
}

BOOL ReadFile(HANDLE hFile, LPVOID lpBuffer, DWORD nNumberOfBytesToRead, DWORD *lpNumberOfBytesRead,
              LPVOID) {
    headless_record_call("ReadFile");
    if (lpNumberOfBytesRead) *lpNumberOfBytesRead = 0;
    OpenFile *open = open_file(hFile);
    if (!open || (!lpBuffer && nNumberOfBytesToRead > 0)) return FALSE;
    const std::vector<uint8_t> &bytes = files[open->file].bytes;
    size_t count = std::min<size_t>(nNumberOfBytesToRead, bytes.size() - open->position);
    std::copy_n(bytes.begin() + long(open->position), count, static_cast<uint8_t *>(lpBuffer));
    open->position += count;
    if (lpNumberOfBytesRead) *lpNumberOfBytesRead = DWORD(count);
    return TRUE;
}

BOOL CloseHandle(HANDLE hObject) {
    headless_record_call("CloseHandle");
    return handles.erase(hObject) ? TRUE : FALSE;
}
