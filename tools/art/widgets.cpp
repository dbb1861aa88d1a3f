// The common parts of the game's screens.
#include "tools/art/widgets.h"

#include <cmath>

const Rgb INK{248, 244, 230};
const Rgb DIM{160, 170, 196};
const Rgb GOLD{236, 194, 96};
const Rgb SHADOW{10, 12, 20};
const Rgb BLUE_FACE{64, 108, 176};
const Rgb AMBER_FACE{184, 128, 40};
const Rgb BRICK_FACE{168, 62, 52};
const Rgb TEAL_FACE{40, 136, 128};
const Rgb SLATE_FACE{78, 88, 122};
const Rgb GREEN_FACE{54, 140, 70};

namespace {

const Rgb BACKDROP_TOP{50, 58, 84};
const Rgb BACKDROP_BOTTOM{22, 26, 40};
const double BUTTON_RADIUS = 4;
const double CELL_RADIUS = 2;
const double LIFT = 1.25;  // brightness of a face's top edge against its bottom edge

}  // namespace

// A calm dark gradient over the whole layer, the ground of every panel and screen.
void paint_backdrop(Layer &layer) {
    fill(layer, box(0, 0, layer.width, layer.height), vertical(0, BACKDROP_TOP, layer.height, BACKDROP_BOTTOM));
}

// A raised, rounded button covering (x0, y0)-(x1, y1): a dark rim, a face lit from above and
// a thin highlight along its top.
void paint_button(Layer &layer, double x0, double y0, double x1, double y1, Rgb face) {
    fill(layer, box(x0, y0, x1, y1, BUTTON_RADIUS), solid(SHADOW));
    fill(layer, box(x0 + 1, y0 + 1, x1 - 1, y1 - 1, BUTTON_RADIUS - 1),
         vertical(y0, shade(face, LIFT), y1, shade(face, 1 / LIFT)));
    fill(layer, box(x0 + 3, y0 + 1.6, x1 - 3, y0 + 2.4), solid(shade(face, LIFT * LIFT)), 0.6);
}

// An option cell of the menu whose tap rectangle is (x0, y0)-(x1, y1), corners included.
// The face sits one pixel inside, so the game's white frame around the rectangle hugs it.
void paint_cell(Layer &layer, int x0, int y0, int x1, int y1) {
    fill(layer, box(x0 + 1, y0 + 1, x1, y1, CELL_RADIUS), vertical(y0, shade(SLATE_FACE, LIFT), y1, SLATE_FACE));
}

// Three bars, the usual sign for a menu.
Shape menu_icon(double cx, double cy) {
    return unite({capsule(cx - 4, cy - 3.5, cx + 4, cy - 3.5, 1), capsule(cx - 4, cy, cx + 4, cy, 1),
                  capsule(cx - 4, cy + 3.5, cx + 4, cy + 3.5, 1)});
}

// An arrow curling back over the top to the left: undo.
Shape back_arrow_icon(double cx, double cy) {
    Shape arc = subtract(ring(cx + 1, cy + 1.5, 4.8, 2.8), box(cx - 5, cy + 1.5, cx + 1, cy + 8));
    Shape head = polygon({{cx - 6.3, cy + 0.5}, {cx + 0.7, cy + 0.5}, {cx - 2.8, cy + 5}});
    return unite({arc, head});
}

// The power sign: a broken ring with a bar through its gap.
Shape power_icon(double cx, double cy) {
    Shape broken = subtract(ring(cx, cy + 0.5, 5, 3.2), polygon({{cx, cy + 0.5}, {cx - 4, cy - 6}, {cx + 4, cy - 6}}));
    return unite({broken, capsule(cx, cy - 5, cx, cy, 1)});
}

// A loudspeaker with two sound waves, drawn in a 17 x 17 square from (x, y).
Shape speaker_icon(double x, double y) {
    Shape body = unite({box(x + 2.5, y + 6, x + 5.5, y + 11), polygon({{x + 5, y + 6}, {x + 9, y + 2.5}, {x + 9, y + 14.5}, {x + 5, y + 11}})});
    Shape wedge = polygon({{x + 9.5, y + 8.5}, {x + 17, y + 1}, {x + 17, y + 16}});
    Shape waves = intersect(unite({ring(x + 9.5, y + 8.5, 4.2, 3.0), ring(x + 9.5, y + 8.5, 7.2, 6.0)}), wedge);
    return unite({body, waves});
}
