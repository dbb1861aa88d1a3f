// The board: 8 x 8 squares of walnut and maple, each lit softly from the top left.
#include "tools/art/pictures.h"

const Rgb LIGHT_SQUARE{238, 216, 178};
const Rgb DARK_SQUARE{172, 122, 84};

namespace {

const int BOARD_SQUARES = 8;
const double GLOW = 1.05;   // brightness of a square's top-left corner
const double DUSK = 0.95;   // brightness of its bottom-right corner

}  // namespace

// The 240 x 240 board; the square at the lower left (White's left corner) is dark.
Layer paint_board() {
    Layer l = make_layer(BOARD_SQUARES * SQUARE_SIZE, BOARD_SQUARES * SQUARE_SIZE);
    for (int row = 0; row < BOARD_SQUARES; row++)
        for (int col = 0; col < BOARD_SQUARES; col++) {
            Rgb base = (row + col) % 2 ? DARK_SQUARE : LIGHT_SQUARE;
            double x0 = col * SQUARE_SIZE, y0 = row * SQUARE_SIZE;
            Paint lit = [=](double x, double y) {
                double t = ((x - x0) + (y - y0)) / (2.0 * SQUARE_SIZE);
                return shade(base, GLOW + (DUSK - GLOW) * t);
            };
            fill(l, box(x0, y0, x0 + SQUARE_SIZE, y0 + SQUARE_SIZE), lit);
        }
    return l;
}
