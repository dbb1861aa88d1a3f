// The full pictures: the title with its window onto the spinning board, the two result
// banners and the about screen.
#include <cmath>

#include "tools/art/pictures.h"
#include "tools/art/text.h"
#include "tools/art/widgets.h"

namespace {

const int SCREEN_WIDTH = 240;
const int SCREEN_HEIGHT = 320;
const int TITLE_SIZE = 240;
const double WINDOW_X = 120, WINDOW_Y = 136, WINDOW_R = 76;  // the round window of the title
const int BANNER_WIDTH = 224;
const int BANNER_HEIGHT = 100;
const double BANNER_RADIUS = 14;
const int ABOUT_MARGIN = 12;
const int ABOUT_CHARS = 27;  // characters a line of the about text may hold

const Rgb NIGHT_CENTRE{44, 52, 92};
const Rgb NIGHT_EDGE{10, 12, 26};
const Rgb GOLD_DARK{150, 104, 36};
const Rgb GREEN_TOP{70, 176, 88}, GREEN_BOTTOM{24, 104, 46};
const Rgb BLUE_TOP{76, 126, 214}, BLUE_BOTTOM{26, 56, 140};

// A radial glow from `centre` at (cx, cy) to `edge` at distance r and beyond.
Paint radial(double cx, double cy, double r, Rgb centre, Rgb edge) {
    return [=](double x, double y) { return mix(centre, edge, std::fmin(std::hypot(x - cx, y - cy) / r, 1.0)); };
}

// A twinkle of four points, scattered over the title's night sky.
Shape star(double cx, double cy, double r) {
    double k = r / 4;
    return polygon({{cx, cy - r}, {cx + k, cy - k}, {cx + r, cy}, {cx + k, cy + k}, {cx, cy + r}, {cx - k, cy + k}, {cx - r, cy}, {cx - k, cy - k}});
}

// Large lettering: a dark outline two pixels around, then gold letters lit from above.
void paint_title_word(Layer &l, const char *word, int y, int scale) {
    int x = (TITLE_SIZE - text_width(word, scale)) / 2;
    for (int dy = -2; dy <= 3; dy++)
        for (int dx = -2; dx <= 3; dx++) draw_text(l, word, x + dx, y + dy, scale, SHADOW);
    draw_text_painted(l, word, x, y, scale, vertical(y, GOLD, y + GLYPH_SIDE * scale, GOLD_DARK));
}

}  // namespace

// The title picture: "vorlen" in gold over a night sky, and a gold-rimmed round window in
// pure red through which the game shows its spinning board.
Layer paint_front() {
    Layer l = make_layer(TITLE_SIZE, TITLE_SIZE);
    fill(l, box(0, 0, TITLE_SIZE, TITLE_SIZE), radial(WINDOW_X, WINDOW_Y, 190, NIGHT_CENTRE, NIGHT_EDGE));
    const double stars[][3] = {{20, 60, 2.5}, {214, 70, 3}, {30, 200, 2}, {208, 196, 2.5}, {16, 130, 1.6},
                               {226, 136, 1.8}, {50, 226, 1.5}, {192, 228, 1.5}, {36, 95, 1.4}, {200, 110, 1.4}};
    for (const auto &s : stars) fill(l, star(s[0], s[1], s[2] * 1.6), solid(INK), 0.8);
    fill(l, circle(WINDOW_X, WINDOW_Y, WINDOW_R + 7), solid(SHADOW));
    fill(l, circle(WINDOW_X, WINDOW_Y, WINDOW_R + 5.5), vertical(WINDOW_Y - WINDOW_R, GOLD, WINDOW_Y + WINDOW_R, GOLD_DARK));
    fill(l, circle(WINDOW_X, WINDOW_Y, WINDOW_R + 1.5), solid(SHADOW));
    cut_window(l, circle(WINDOW_X, WINDOW_Y, WINDOW_R));
    paint_title_word(l, "vorlen", 14, 4);
    paint_piece_at(l, ART_KING, ART_WHITE, 2, 206, 1);
    paint_piece_at(l, ART_KING, ART_BLACK, 208, 206, 1);
    return l;
}

// A result banner, green when White has won and blue when Black has: the winner's king, the
// words, and where to go next. Its rounded corners are transparent.
Layer paint_banner(int side) {
    Layer l = make_layer(BANNER_WIDTH, BANNER_HEIGHT);
    Rgb top = side == ART_WHITE ? GREEN_TOP : BLUE_TOP, bottom = side == ART_WHITE ? GREEN_BOTTOM : BLUE_BOTTOM;
    fill(l, box(0, 0, BANNER_WIDTH, BANNER_HEIGHT, BANNER_RADIUS), solid(SHADOW));
    fill(l, box(2, 2, BANNER_WIDTH - 2, BANNER_HEIGHT - 2, BANNER_RADIUS - 2), solid(GOLD));
    fill(l, box(4, 4, BANNER_WIDTH - 4, BANNER_HEIGHT - 4, BANNER_RADIUS - 4), vertical(4, top, BANNER_HEIGHT - 4, bottom));
    paint_piece_at(l, ART_KING, side, 10, 14, 2);
    int cx = 148;
    draw_centred(l, side == ART_WHITE ? "White" : "Black", cx, 20, 2, INK, SHADOW);
    draw_centred(l, "wins!", cx, 41, 2, INK, SHADOW);
    draw_centred(l, "Menu: a new game", cx, 72, 1, INK, SHADOW);
    return l;
}

// The about screen: the aim and rules of losing chess, how to play, and how to go back.
Layer paint_about() {
    Layer l = make_layer(SCREEN_WIDTH, SCREEN_HEIGHT);
    paint_backdrop(l);
    draw_centred(l, "Losing chess", SCREEN_WIDTH / 2, 8, 2, GOLD, SHADOW);
    int y = 34;
    draw_shadowed(l, "The aim", ABOUT_MARGIN, y, 1, GOLD, SHADOW);
    y = draw_paragraph(l, "Lose all your pieces, or be left without a legal move, and you win.",
                       ABOUT_MARGIN, y + 13, ABOUT_CHARS, INK, SHADOW) + 7;
    draw_shadowed(l, "The rules", ABOUT_MARGIN, y, 1, GOLD, SHADOW);
    y += 13;
    const char *const rules[] = {"If you can capture, you must.", "The king is an ordinary piece: no check, no mate.",
                                 "No castling, no en passant.", "A pawn may also become a king."};
    for (const char *rule : rules) {
        fill(l, box(ABOUT_MARGIN + 1, y + 2, ABOUT_MARGIN + 4, y + 5, 1), solid(GOLD));
        y = draw_paragraph(l, rule, ABOUT_MARGIN + 9, y, ABOUT_CHARS - 1, INK, SHADOW) + 3;
    }
    draw_shadowed(l, "Playing", ABOUT_MARGIN, y + 4, 1, GOLD, SHADOW);
    draw_paragraph(l, "Tap a piece, then its new square. The menu sets the players, the clock and the level.",
                   ABOUT_MARGIN, y + 17, ABOUT_CHARS, INK, SHADOW);
    paint_button(l, 20, 282, 220, 310, TEAL_FACE);
    draw_centred(l, "tap anywhere to go back", SCREEN_WIDTH / 2, 293, 1, INK, SHADOW);
    return l;
}
