// GetModuleFileNameW's way of handing the executable's path out, shared by every device.
#include <algorithm>

#include "platform/common/files.h"

DWORD device_copy_module_path(const std::u16string &path, LPWSTR buffer, DWORD size) {
    if (!buffer || size == 0) return 0;
    size_t count = std::min<size_t>(path.size(), size - 1);
    path.copy(buffer, count);
    buffer[count] = 0;
    return count < path.size() ? size : DWORD(count);
}
