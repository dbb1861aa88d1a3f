// Fuzz target: the TGA loader reading through the test device's in-memory files.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "platform/headless/headless.h"
#include "tools/fuzz/tga_layouts.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    const char16_t *path = u"\\vorlen\\Graph\\board.tga";
    headless_reset();  // the device keeps a record of every call: start each input afresh
    headless_add_file(path, std::vector<uint8_t>(data, data + size));
    load_every_layout(path);
    return 0;
}
