// Painting shapes into a layer with supersampled coverage.
#include "tools/art/layer.h"

#include <algorithm>

namespace {

const int SAMPLES = 5;          // supersampling grid per pixel side
const double SURE_DEPTH = 1.2;  // distance beyond which a pixel is wholly in or out

// Share of the pixel at (px, py) that lies inside the shape.
double coverage(const Shape &shape, int px, int py) {
    double d = shape(px + 0.5, py + 0.5);
    if (d > SURE_DEPTH) return 0.0;
    if (d < -SURE_DEPTH) return 1.0;
    int hits = 0;
    for (int j = 0; j < SAMPLES; j++)
        for (int i = 0; i < SAMPLES; i++)
            if (shape(px + (i + 0.5) / SAMPLES, py + (j + 0.5) / SAMPLES) < 0) hits++;
    return double(hits) / (SAMPLES * SAMPLES);
}

}  // namespace

// A transparent layer of the given size.
Layer make_layer(int width, int height) {
    Layer l;
    l.width = width;
    l.height = height;
    l.colour.assign(size_t(width) * height, Rgb{0, 0, 0});
    l.alpha.assign(size_t(width) * height, 0.0);
    return l;
}

// The colour t of the way from a to b.
Rgb mix(Rgb a, Rgb b, double t) {
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

// The colour made brighter (factor > 1) or darker (factor < 1), kept in range.
Rgb shade(Rgb c, double factor) {
    auto f = [factor](double v) { return std::clamp(v * factor, 0.0, 255.0); };
    return {f(c.r), f(c.g), f(c.b)};
}

// One colour everywhere.
Paint solid(Rgb c) {
    return [c](double, double) { return c; };
}

// A gradient from `top` at y0 to `bottom` at y1, constant beyond them.
Paint vertical(double y0, Rgb top, double y1, Rgb bottom) {
    return [=](double, double y) { return mix(top, bottom, std::clamp((y - y0) / (y1 - y0), 0.0, 1.0)); };
}

// A gradient from `left` at x0 to `right` at x1, constant beyond them.
Paint horizontal(double x0, Rgb left, double x1, Rgb right) {
    return [=](double x, double) { return mix(left, right, std::clamp((x - x0) / (x1 - x0), 0.0, 1.0)); };
}

// Paints the shape over the layer, edges blended by their coverage.
void fill(Layer &layer, const Shape &shape, const Paint &paint, double opacity) {
    for (int y = 0; y < layer.height; y++)
        for (int x = 0; x < layer.width; x++) {
            double a = coverage(shape, x, y) * opacity;
            if (a <= 0) continue;
            size_t i = size_t(y) * layer.width + x;
            Rgb c = paint(x + 0.5, y + 0.5);
            Rgb &d = layer.colour[i];
            d = {c.r * a + d.r * (1 - a), c.g * a + d.g * (1 - a), c.b * a + d.b * (1 - a)};
            layer.alpha[i] = a + layer.alpha[i] * (1 - a);
        }
}

// Makes every pixel mostly inside the shape transparent, with a hard edge: the game shows
// what lies behind such pixels unblended.
void cut_window(Layer &layer, const Shape &shape) {
    for (int y = 0; y < layer.height; y++)
        for (int x = 0; x < layer.width; x++)
            if (coverage(shape, x, y) >= 0.5) {
                size_t i = size_t(y) * layer.width + x;
                layer.colour[i] = {0, 0, 0};
                layer.alpha[i] = 0;
            }
}

// Composites a smaller picture over the layer with its top-left corner at (x, y).
void paste(Layer &layer, const Layer &picture, int x, int y) {
    for (int j = 0; j < picture.height; j++)
        for (int i = 0; i < picture.width; i++) {
            int tx = x + i, ty = y + j;
            if (tx < 0 || ty < 0 || tx >= layer.width || ty >= layer.height) continue;
            size_t s = size_t(j) * picture.width + i, d = size_t(ty) * layer.width + tx;
            double a = picture.alpha[s];
            const Rgb &c = picture.colour[s];
            Rgb &o = layer.colour[d];
            o = {c.r + o.r * (1 - a), c.g + o.g * (1 - a), c.b + o.b * (1 - a)};
            layer.alpha[d] = a + layer.alpha[d] * (1 - a);
        }
}

// The straight (unpremultiplied) colour of one pixel; black where it is transparent.
Rgb colour_at(const Layer &layer, int x, int y) {
    size_t i = size_t(y) * layer.width + x;
    double a = layer.alpha[i];
    if (a <= 0) return {0, 0, 0};
    const Rgb &c = layer.colour[i];
    return {c.r / a, c.g / a, c.b / a};
}
