// PNG files of a frame, through the project's libpng writer.
#include "platform/common/display.h"
#include "tools/png/png_file.h"
#include "tools/replay/pixels.h"

int write_png_file(const std::string &path, const std::vector<uint8_t> &rgba) {
    PngPixels pixels;
    pixels.width = DEVICE_DISPLAY_WIDTH;
    pixels.height = DEVICE_DISPLAY_HEIGHT;
    pixels.channels = 4;
    pixels.bytes = rgba;
    return write_png(path, pixels);
}
