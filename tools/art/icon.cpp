// The icon: drawn on a grid of 48 units whatever its size, so every size shows the same picture.
#include "tools/art/icon.h"

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <system_error>

#include "tools/art/pictures.h"
#include "tools/art/widgets.h"

const int ICON_SIZES[ICON_SIZE_COUNT] = {48, 64, 128, 192, 256, 512};

namespace {

const double GRID = 48;         // the icon's design units across
const double CENTRE = GRID / 2;
const double RIM = 23.5;        // outer edge of the dark rim
const double RING = 22.5;       // outer edge of the gold ring
const double BOARD = 20;        // radius of the board inside the ring
const double SQUARE = 8;        // a board square, in units
const double KING_SCALE = 1.5;  // the king's 30-unit cell becomes 45 units
const double GOLD_DARKER = 0.62;
const int BYTES_PER_LINE = 16;  // of the generated source

// Light and dark squares across the board, the square at the centre light.
Paint checker(double unit) {
    return [unit](double x, double y) {
        int col = int(std::floor((x / unit - CENTRE) / SQUARE + 0.5));
        int row = int(std::floor((y / unit - CENTRE) / SQUARE + 0.5));
        return (col + row) % 2 ? DARK_SQUARE : LIGHT_SQUARE;
    };
}

// One byte of straight colour from a premultiplied channel.
uint8_t channel(double value) { return uint8_t(std::lround(std::fmin(std::fmax(value, 0.0), 255.0))); }

}  // namespace

Layer paint_icon(int size) {
    Layer l = make_layer(size, size);
    double u = size / GRID;
    double c = CENTRE * u;
    fill(l, circle(c, c, RIM * u), solid(SHADOW));
    fill(l, circle(c, c, RING * u), vertical(0, GOLD, size, shade(GOLD, GOLD_DARKER)));
    fill(l, circle(c, c, (BOARD + 1) * u), solid(SHADOW));
    fill(l, circle(c, c, BOARD * u), checker(u));
    double corner = (CENTRE - 15 * KING_SCALE) * u;  // centres the king's 30-unit cell
    paint_piece_at(l, ART_KING, ART_WHITE, corner, corner - u, KING_SCALE * u);
    return l;
}

PngPixels layer_rgba(const Layer &layer) {
    PngPixels out;
    out.width = layer.width;
    out.height = layer.height;
    out.channels = 4;
    for (int y = 0; y < layer.height; y++)
        for (int x = 0; x < layer.width; x++) {
            Rgb c = colour_at(layer, x, y);
            out.bytes.insert(out.bytes.end(), {channel(c.r), channel(c.g), channel(c.b),
                                               channel(layer.alpha[size_t(y) * layer.width + x] * 255)});
        }
    return out;
}

int write_icons(const std::string &folder) {
    std::error_code err;
    std::filesystem::create_directories(folder + "/icons", err);
    for (int size : ICON_SIZES) {
        std::string path = folder + "/icons/vorlen-" + std::to_string(size) + ".png";
        if (!write_png(path, layer_rgba(paint_icon(size)))) {
            std::fprintf(stderr, "vorlen-art: cannot write %s\n", path.c_str());
            return 0;
        }
    }
    return 1;
}

int write_window_icon_source(const std::string &path) {
    PngPixels icon = layer_rgba(paint_icon(WINDOW_ICON_SIZE));
    FILE *out = std::fopen(path.c_str(), "w");
    if (!out) return 0;
    std::fprintf(out, "// Written by vorlen-art: the window icon, %d x %d RGBA.\n", WINDOW_ICON_SIZE, WINDOW_ICON_SIZE);
    std::fprintf(out, "extern const int window_icon_size;\nconst int window_icon_size = %d;\n", WINDOW_ICON_SIZE);
    std::fprintf(out, "extern const unsigned char window_icon_rgba[%zu];\n", icon.bytes.size());
    std::fprintf(out, "const unsigned char window_icon_rgba[%zu] = {\n", icon.bytes.size());
    for (size_t i = 0; i < icon.bytes.size(); i++)
        std::fprintf(out, "%u,%s", icon.bytes[i], (i + 1) % BYTES_PER_LINE ? "" : "\n");
    std::fprintf(out, "};\n");
    return std::fclose(out) == 0;
}
