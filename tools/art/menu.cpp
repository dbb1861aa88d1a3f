// The menu screen: a labelled row of cells for each option, the 3 x 5 grid of levels and the
// two buttons. The cells sit exactly on the rectangles the game tests for taps and frames in
// white around the chosen value.
#include "game/menu_layout.h"
#include "tools/art/pictures.h"
#include "tools/art/text.h"
#include "tools/art/widgets.h"

namespace {

const int SCREEN_WIDTH = 240;
const int SCREEN_HEIGHT = 320;
const int LABEL_X = 8;

// Who plays each side in the players cells: C the computer, P a person; White first.
const char *const PLAYER_LETTERS[3] = {"CC", "PC", "PP"};
const char *const MINUTE_LABELS[4] = {"1", "2", "3", "4"};
const char *const INCREMENT_LABELS[4] = {"0", "2", "5", "9"};
const int DIGIT_SCALE = 2;  // cells show their single digits at twice the font's size
const char *const LEVEL_ROW_NAMES[LEVEL_ROWS] = {"Easy", "Medium", "Hard"};

const Rgb WHITE_SIDE{236, 232, 220};
const Rgb BLACK_SIDE{34, 34, 42};

int centre_x(const MenuCell &c) { return (c.x0 + c.x1 + 1) / 2; }
int text_top(const MenuCell &c, int scale) { return (c.y0 + c.y1 + 2 - GLYPH_SIDE * scale) / 2; }

// A label in a row's left column, with a dim line of explanation under it.
void paint_row_label(Layer &l, int y0, const char *label, const char *explanation) {
    draw_shadowed(l, label, LABEL_X, y0 + 1, 1, INK, SHADOW);
    draw_shadowed(l, explanation, LABEL_X, y0 + 10, 1, DIM, SHADOW);
}

// A cell with a centred digit.
void paint_digit_cell(Layer &l, const MenuCell &c, const char *digit) {
    paint_cell(l, c.x0, c.y0, c.x1, c.y1);
    draw_joined_digits(l, digit, centre_x(c), text_top(c, DIGIT_SCALE), DIGIT_SCALE, INK, SHADOW);
}

// A players cell: the left half stands for White, the right half for Black, each with the
// letter of who plays it.
void paint_players_cell(Layer &l, const MenuCell &c, const char *letters) {
    int mid = centre_x(c);
    fill(l, box(c.x0 + 1, c.y0 + 1, c.x1, c.y1, 2), solid(BLACK_SIDE));
    fill(l, box(c.x0 + 1, c.y0 + 1, mid, c.y1, 0), solid(WHITE_SIDE));
    const char white_letter[2] = {letters[0], 0}, black_letter[2] = {letters[1], 0};
    draw_text(l, white_letter, mid - 7, text_top(c, 1), 1, BLACK_SIDE);
    draw_text(l, black_letter, mid + 1, text_top(c, 1), 1, WHITE_SIDE);
}

// The sign for an untimed game: a figure of eight lying down.
Shape infinity_sign(double cx, double cy, double size) {
    return place(unite({ring(-3.2, 0, 3.4, 2.0), ring(3.2, 0, 3.4, 2.0)}), cx, cy, size);
}

// The option rows for players, minutes and increment.
void paint_option_rows(Layer &l) {
    paint_row_label(l, PLAYERS_CELLS[0].y0, "Players", "White - Black");
    for (int v = 0; v < 3; v++) paint_players_cell(l, PLAYERS_CELLS[v], PLAYER_LETTERS[v]);
    paint_row_label(l, TIME_CONTROL_CELLS[0].y0, "Minutes", "for each side");
    for (int v = 0; v < 4; v++) paint_digit_cell(l, TIME_CONTROL_CELLS[v], MINUTE_LABELS[v]);
    const MenuCell &untimed = TIME_CONTROL_CELLS[4];
    paint_cell(l, untimed.x0, untimed.y0, untimed.x1, untimed.y1);
    double cx = (untimed.x0 + untimed.x1 + 1) / 2.0, cy = (untimed.y0 + untimed.y1 + 1) / 2.0;
    fill(l, infinity_sign(cx + 1, cy + 1, 1.4), solid(SHADOW));
    fill(l, infinity_sign(cx, cy, 1.4), solid(INK));
    paint_row_label(l, INCREMENT_CELLS[0].y0, "Bonus", "seconds a move");
    for (int v = 0; v < 4; v++) paint_digit_cell(l, INCREMENT_CELLS[v], INCREMENT_LABELS[v]);
}

// The 15 levels: a row for each manner of play, named, and in each row five strengths
// numbered 1 to 5 from left to right.
void paint_level_grid(Layer &l) {
    draw_shadowed(l, "Level", LABEL_X, 128, 2, GOLD, SHADOW);
    draw_shadowed(l, "stronger >", LEVEL_COLUMN_X[0][0], 138, 1, DIM, SHADOW);
    for (int row = 0; row < LEVEL_ROWS; row++) {
        draw_shadowed(l, LEVEL_ROW_NAMES[row], LABEL_X, (LEVEL_ROW_Y[row][0] + LEVEL_ROW_Y[row][1] + 1) / 2 - 3, 1, INK, SHADOW);
        for (int col = 0; col < LEVEL_COLUMNS; col++) {
            const char digit[2] = {char('1' + col), 0};
            paint_digit_cell(l, level_cell(row * LEVEL_COLUMNS + col), digit);
        }
    }
}

}  // namespace

// The whole menu screen, 240 x 320.
Layer paint_menu() {
    Layer l = make_layer(SCREEN_WIDTH, SCREEN_HEIGHT);
    paint_backdrop(l);
    draw_centred(l, "Options", SCREEN_WIDTH / 2, 8, 2, GOLD, SHADOW);
    draw_centred(l, "P: a person   C: the computer", SCREEN_WIDTH / 2, 29, 1, DIM, SHADOW);
    paint_option_rows(l);
    paint_level_grid(l);
    draw_centred(l, "tap a box to choose", SCREEN_WIDTH / 2, 243, 1, DIM, SHADOW);
    paint_button(l, NEW_GAME_BUTTON.x0 + 1, NEW_GAME_BUTTON.y0 + 1, NEW_GAME_BUTTON.x1, NEW_GAME_BUTTON.y1, GREEN_FACE);
    draw_centred(l, "New", centre_x(NEW_GAME_BUTTON), 266, 2, INK, SHADOW);
    draw_centred(l, "game", centre_x(NEW_GAME_BUTTON), 283, 2, INK, SHADOW);
    paint_button(l, BACK_BUTTON.x0 + 1, BACK_BUTTON.y0 + 1, BACK_BUTTON.x1, BACK_BUTTON.y1, BLUE_FACE);
    draw_centred(l, "Back", centre_x(BACK_BUTTON), 275, 2, INK, SHADOW);
    return l;
}
