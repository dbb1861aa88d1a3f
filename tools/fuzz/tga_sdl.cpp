// Fuzz target: the TGA loader reading a host file through the desktop device's file layer.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "platform/common/files.h"
#include "tools/fuzz/tga_layouts.h"

namespace {

std::string host_file;  // this process's own file, removed at exit

// Removes the file the inputs were written to.
void remove_host_file() { std::remove(host_file.c_str()); }

}  // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***) {
    char name[] = "/tmp/vorlen-fuzz-tga-XXXXXX";
    int fd = mkstemp(name);
    if (fd < 0) std::abort();
    close(fd);
    host_file = name;
    std::atexit(remove_host_file);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    FILE *file = std::fopen(host_file.c_str(), "wb");
    if (!file || std::fwrite(data, 1, size, file) != size || std::fclose(file) != 0) std::abort();
    load_every_layout(device_path_of_host(host_file).c_str());
    return 0;
}
