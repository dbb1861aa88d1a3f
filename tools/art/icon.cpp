// The icon: drawn on a grid of 48 units whatever its size, so every size shows the same picture.
#include "tools/art/icon.h"

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <system_error>

#include "tools/art/pictures.h"
#include "tools/art/widgets.h"

const int ICON_SIZES[ICON_SIZE_COUNT] = {16, 20, 24, 32, 40, 48, 64, 128, 192, 256, 512};

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
// How far the round icon reaches from the centre of a square one, as a share of its side: a
// maskable icon may be cut to any shape holding the centred circle of 40%, and a home screen
// rounds the touch icon's corners by about a fifth of its side.
const double MASKABLE_REACH = 0.38;
const double TOUCH_REACH = 0.45;
// Below this size the icon is drawn for its pixels rather than scaled from the design: the ring
// and the rim keep whole pixels, the board has four squares, and the king is larger and plain.
const int SMALL_ICON = 48;
const double SMALL_KING = 0.8;  // the king's 30-unit cell across this share of a small icon

// Light and dark squares across the board centred at (c, c), the square at the centre light.
Paint checker(double c, double unit) {
    return [c, unit](double x, double y) {
        int col = int(std::floor((x - c) / unit / SQUARE + 0.5));
        int row = int(std::floor((y - c) / unit / SQUARE + 0.5));
        return (col + row) % 2 ? DARK_SQUARE : LIGHT_SQUARE;
    };
}

// One byte of straight colour from a premultiplied channel.
uint8_t channel(double value) { return uint8_t(std::lround(std::fmin(std::fmax(value, 0.0), 255.0))); }

// The round icon with its centre at (c, c), u pixels to a design unit.
void paint_round_icon(Layer &l, double c, double u) {
    fill(l, circle(c, c, RIM * u), solid(SHADOW));
    fill(l, circle(c, c, RING * u), vertical(c - CENTRE * u, GOLD, c + CENTRE * u, shade(GOLD, GOLD_DARKER)));
    fill(l, circle(c, c, (BOARD + 1) * u), solid(SHADOW));
    fill(l, circle(c, c, BOARD * u), checker(c, u));
    double corner = c - 15 * KING_SCALE * u;  // centres the king's 30-unit cell
    paint_piece_at(l, ART_KING, ART_WHITE, corner, corner - u, KING_SCALE * u);
}

// The icon at a small size: every edge on whole pixels, so that it stays sharp; a dark rim of
// one pixel, a gold ring of a sixteenth of the size (at least one pixel), the board's four
// quadrants, and the king without its inner strokes, outlined one pixel wide.
void paint_small_icon(Layer &l, int size) {
    double c = size / 2.0;
    double ring = std::fmax(1, std::round(size / 16.0));
    fill(l, circle(c, c, c), solid(SHADOW));
    fill(l, circle(c, c, c - 1), vertical(0, GOLD, size, shade(GOLD, GOLD_DARKER)));
    fill(l, circle(c, c, c - 1 - ring), [c](double x, double y) { return (x < c) == (y < c) ? LIGHT_SQUARE : DARK_SQUARE; });
    double scale = SMALL_KING * size / 30;
    double corner = std::round(c - 15 * scale);
    paint_piece_plain(l, ART_KING, ART_WHITE, corner, corner - std::round(scale), scale, 1);
}

// Writes one icon, saying so when it cannot.
int write_icon(const std::string &path, const Layer &icon) {
    if (write_png(path, layer_rgba(icon))) return 1;
    std::fprintf(stderr, "vorlen-art: cannot write %s\n", path.c_str());
    return 0;
}

}  // namespace

Layer paint_icon(int size) {
    Layer l = make_layer(size, size);
    if (size < SMALL_ICON)
        paint_small_icon(l, size);
    else
        paint_round_icon(l, size / 2.0, size / GRID);
    return l;
}

Layer paint_square_icon(int size, double reach) {
    Layer l = make_layer(size, size);
    fill(l, box(0, 0, size, size), solid(SHADOW));
    paint_round_icon(l, size / 2.0, reach * size / RIM);
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
        if (!write_icon(path, paint_icon(size))) return 0;
    }
    return write_icon(folder + "/icons/vorlen-maskable-512.png", paint_square_icon(512, MASKABLE_REACH)) &&
           write_icon(folder + "/icons/vorlen-touch-180.png", paint_square_icon(180, TOUCH_REACH));
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
