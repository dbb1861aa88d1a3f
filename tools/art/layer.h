// A picture being painted: premultiplied RGBA in floating point, so shapes can be blended
// with anti-aliased edges before the picture is reduced to its 256-colour map.
#ifndef VORLEN_TOOLS_ART_LAYER_H
#define VORLEN_TOOLS_ART_LAYER_H

#include <functional>
#include <vector>

#include "tools/art/shapes.h"

struct Rgb {
    double r, g, b;  // 0..255
};

// The colour of a paint at a pixel centre.
using Paint = std::function<Rgb(double x, double y)>;

struct Layer {
    int width = 0, height = 0;
    std::vector<Rgb> colour;    // premultiplied by alpha
    std::vector<double> alpha;  // 0 transparent .. 1 opaque
};

Layer make_layer(int width, int height);
Rgb mix(Rgb a, Rgb b, double t);
Rgb shade(Rgb c, double factor);
Paint solid(Rgb c);
Paint vertical(double y0, Rgb top, double y1, Rgb bottom);
Paint horizontal(double x0, Rgb left, double x1, Rgb right);

void fill(Layer &layer, const Shape &shape, const Paint &paint, double opacity = 1.0);
void cut_window(Layer &layer, const Shape &shape);
void paste(Layer &layer, const Layer &picture, int x, int y);
Rgb colour_at(const Layer &layer, int x, int y);

#endif
