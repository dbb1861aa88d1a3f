// The twelve pieces: six silhouettes built from shapes, outlined so that they read on both
// colours of square, filled ivory for White and ebony for Black.
#include "tools/art/pictures.h"

namespace {

const double OUTLINE = 1.25;  // width of the dark rim around every piece, pixels
const double LINE = 0.55;     // half-width of the inner detail strokes

// The colours of one side's pieces.
struct PieceColours {
    Rgb lit, shadowed;  // fill gradient, light falling from the left
    Rgb rim;            // outline
    Rgb detail;         // inner strokes: eye, slit, bands
};

const PieceColours IVORY{{255, 252, 240}, {196, 184, 160}, {28, 24, 22}, {60, 50, 44}};
const PieceColours EBONY{{112, 112, 124}, {26, 26, 32}, {8, 8, 10}, {196, 196, 206}};

// The stepped foot every piece stands on.
Shape foot() { return unite({box(6.5, 23.6, 23.5, 27.2, 1.3), box(8.5, 21.8, 21.5, 24.5, 0.8)}); }

Shape pawn() {
    return unite({foot(),
                  polygon({{10, 22.5}, {20, 22.5}, {18.3, 19.5}, {17, 16.5}, {16.6, 14.5}, {13.4, 14.5},
                           {13, 16.5}, {11.7, 19.5}}),
                  ellipse(15, 14.8, 4.6, 1.5), circle(15, 9.8, 4.6)});
}

Shape rook() {
    return unite({foot(), polygon({{10.2, 22.3}, {19.8, 22.3}, {19.2, 12}, {10.8, 12}}),
                  box(8.5, 8.2, 21.5, 12.6, 0.6), box(8.5, 4.2, 11.9, 9), box(13.3, 4.2, 16.7, 9),
                  box(18.1, 4.2, 21.5, 9)});
}

Shape knight() {
    return unite({foot(), polygon({{21.8, 22.5}, {22.8, 17.5}, {22.6, 12.5}, {21.2, 8.8}, {18.6, 6},
                                   {16.4, 4.9}, {15.6, 2.4}, {13.8, 4.8}, {11.4, 6.2}, {8.4, 9.6},
                                   {5.8, 13.4}, {5.2, 15.6}, {6.3, 17.3}, {8.6, 17.6}, {10.6, 16.2},
                                   {12.8, 15.3}, {11.4, 18.6}, {9.8, 22.5}})});
}

Shape bishop() {
    return unite({foot(), polygon({{11.4, 22.3}, {18.6, 22.3}, {16.8, 19}, {13.2, 19}}),
                  box(11.2, 18.2, 18.8, 20.4, 1), ellipse(15, 13.2, 5, 5.6),
                  polygon({{10.6, 11.8}, {19.4, 11.8}, {15, 5.6}}), circle(15, 4.6, 1.8)});
}

Shape queen() {
    return unite({foot(),
                  polygon({{9.6, 22.3}, {20.4, 22.3}, {19.6, 18}, {24, 8.6}, {19.4, 14.2}, {18.2, 6.8},
                           {16.3, 13.4}, {15, 5.2}, {13.7, 13.4}, {11.8, 6.8}, {10.6, 14.2}, {6, 8.6},
                           {10.4, 18}}),
                  box(9.8, 17.4, 20.2, 20, 0.6), circle(6, 8, 1.6), circle(11.8, 6.3, 1.6), circle(15, 4.4, 1.7),
                  circle(18.2, 6.3, 1.6), circle(24, 8, 1.6)});
}

Shape king() {
    return unite({foot(), polygon({{10, 22.3}, {20, 22.3}, {21.6, 13.2}, {8.4, 13.2}}),
                  box(9.6, 17.4, 20.4, 20, 0.6), ellipse(15, 13, 7, 4.4),
                  box(14, 1.6, 16, 9, 0.3), box(11.6, 3.4, 18.4, 5.4, 0.3)});
}

// The silhouette of one kind.
Shape silhouette(int kind) {
    switch (kind) {
    case ART_PAWN: return pawn();
    case ART_ROOK: return rook();
    case ART_KNIGHT: return knight();
    case ART_BISHOP: return bishop();
    case ART_QUEEN: return queen();
    default: return king();
    }
}

// The inner strokes that tell the parts of a piece apart: the foot's step and each kind's
// own marks (the knight's eye and mane, the bishop's slit, the crown bands).
Shape details(int kind) {
    Shape step = capsule(9.3, 23.6, 20.7, 23.6, LINE);
    switch (kind) {
    case ART_ROOK: return unite({step, capsule(9.6, 12.4, 20.4, 12.4, LINE), capsule(10.8, 20.6, 19.2, 20.6, LINE)});
    case ART_KNIGHT:
        return unite({step, circle(11.8, 9.6, 1.0), circle(7.2, 15.0, 0.55),
                      capsule(17.2, 6.6, 21.0, 11.0, LINE), capsule(21.0, 11.0, 21.6, 16.5, LINE)});
    case ART_BISHOP: return unite({step, capsule(13.2, 11.2, 16.8, 14.8, 0.7), capsule(12.2, 18.2, 17.8, 18.2, LINE)});
    case ART_QUEEN: return unite({step, capsule(10.4, 17.4, 19.6, 17.4, LINE)});
    case ART_KING: return unite({step, capsule(10.2, 14.6, 19.8, 14.6, LINE), capsule(10.4, 17.4, 19.6, 17.4, LINE)});
    default: return unite({step, capsule(11.2, 14.8, 18.8, 14.8, LINE)});
    }
}

}  // namespace

// Paints one piece into a layer with its 30 x 30 cell's top-left corner at (x, y), enlarged
// by `scale`; the banners use large ones.
void paint_piece_at(Layer &layer, int kind, int side, double x, double y, double scale) {
    paint_piece_plain(layer, kind, side, x, y, scale, OUTLINE * scale);
    const PieceColours &c = side == ART_WHITE ? IVORY : EBONY;
    fill(layer, intersect(place(details(kind), x, y, scale), place(silhouette(kind), x, y, scale)), solid(c.detail));
}

// Paints a piece as a plain outlined silhouette, its rim `outline` pixels wide: at a few pixels
// a cell the inner strokes would only blur the piece.
void paint_piece_plain(Layer &layer, int kind, int side, double x, double y, double scale, double outline) {
    const PieceColours &c = side == ART_WHITE ? IVORY : EBONY;
    Shape body = place(silhouette(kind), x, y, scale);
    fill(layer, grow(body, outline), solid(c.rim));
    fill(layer, body, horizontal(x + 8 * scale, c.lit, x + 23 * scale, c.shadowed));
}

// One piece on a transparent 30 x 30 picture.
Layer paint_piece(int kind, int side) {
    Layer l = make_layer(PIECE_SIZE, PIECE_SIZE);
    paint_piece_at(l, kind, side, 0, 0, 1);
    return l;
}
