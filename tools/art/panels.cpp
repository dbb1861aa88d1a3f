// The strips under the board: the lower control panel, the promotion panel, and the strip
// under the title picture.
#include "game/panel_layout.h"
#include "tools/art/pictures.h"
#include "tools/art/text.h"
#include "tools/art/widgets.h"

namespace {

const int PANEL_WIDTH = 240;
const int PANEL_HEIGHT = 60;
const int TITLE_PANEL_HEIGHT = 80;
const int PANEL_TOP = 260;    // the panel's first row on the screen
const int ICON_GAP = 5;       // pixels between a button's icon and its label
const int ICON_WIDTH = 10;
const int BUTTON_MARGIN = 3;   // least space between a button's edge and its contents
const int PROMOTION_CELLS = 5;
const int CELL_LEFT = 20;     // x of the first promotion cell
const int CELL_PITCH = 40;
const int CELL_TOP = 275 - PANEL_TOP;

// A button with an icon followed by its label, the pair centred on the face; `mark` is a
// character drawn in the middle of the icon, or null. A label too long to share the face
// with its icon is shown alone, so nothing spills out of the button.
void paint_labelled_button(Layer &l, double x0, double y0, double x1, double y1, Rgb face,
                           Shape (*icon)(double, double), const char *mark, const char *label) {
    paint_button(l, x0, y0, x1, y1, face);
    int cy = int((y0 + y1) / 2);
    int with_icon = ICON_WIDTH + ICON_GAP + text_width(label, 1);
    if (with_icon > x1 - x0 - 2 * BUTTON_MARGIN) {
        draw_centred(l, label, int((x0 + x1) / 2), cy - 3, 1, INK, SHADOW);
        return;
    }
    int left = int((x0 + x1 - with_icon) / 2);
    double icon_x = left + ICON_WIDTH / 2.0;
    fill(l, icon(icon_x + 1, cy + 1), solid(SHADOW));
    fill(l, icon(icon_x, cy), solid(INK));
    if (mark) draw_text(l, mark, left + 2, cy - 3, 1, INK);
    draw_shadowed(l, label, left + ICON_WIDTH + ICON_GAP, cy - 3, 1, INK, SHADOW);
}

// The question mark in a circle that stands for the about screen.
Shape about_icon(double cx, double cy) { return ring(cx, cy, 5.5, 4.3); }

// How far a button's face keeps from the edges of its tap rectangle, in pixels.
struct Margins {
    int left, top, right, bottom;
};
const Margins UPPER_ROW{1, 1, 1, 0};  // Menu and Take back
const Margins LOWER_ROW{1, 2, 1, 3};  // Quit and About

// The face of a button in the panel's coordinates: its tap rectangle (screen pixels, both
// corners included) less the margins.
struct Face {
    double x0, y0, x1, y1;
};
Face face_of(const ScreenRect &r, const Margins &m) {
    return {double(r.x0 + m.left), double(r.y0 - PANEL_TOP + m.top), double(r.x1 + 1 - m.right),
            double(r.y1 + 1 - PANEL_TOP - m.bottom)};
}

// A labelled button on its tap rectangle.
void paint_panel_button(Layer &l, const ScreenRect &r, const Margins &m, Rgb face,
                        Shape (*icon)(double, double), const char *mark, const char *label) {
    Face f = face_of(r, m);
    paint_labelled_button(l, f.x0, f.y0, f.x1, f.y1, face, icon, mark, label);
}

}  // namespace

// The lower panel of the play screen, rows 260-319: each button inside the rectangle that the
// game tests for it, the speaker filling its own to the corner.
Layer paint_lower_panel() {
    Layer l = make_layer(PANEL_WIDTH, PANEL_HEIGHT);
    paint_backdrop(l);
    paint_panel_button(l, MENU_BUTTON, UPPER_ROW, BLUE_FACE, menu_icon, nullptr, "Menu");
    paint_panel_button(l, TAKE_BACK_BUTTON, UPPER_ROW, AMBER_FACE, back_arrow_icon, nullptr, "Take back");
    paint_panel_button(l, QUIT_BUTTON, LOWER_ROW, BRICK_FACE, power_icon, nullptr, "Quit");
    paint_panel_button(l, ABOUT_BUTTON, LOWER_ROW, TEAL_FACE, about_icon, "?", "About");
    Face speaker = face_of(SOUND_BUTTON, Margins{0, 0, 0, 0});
    paint_button(l, speaker.x0, speaker.y0, speaker.x1, speaker.y1, SLATE_FACE);
    fill(l, speaker_icon(speaker.x0, speaker.y0), solid(INK));
    return l;
}

// The promotion panel, rows 260-319: five framed cells at x = 20 + 40n, y = 275, in which
// the game draws the pieces a pawn may become.
Layer paint_promotion_panel() {
    Layer l = make_layer(PANEL_WIDTH, PANEL_HEIGHT);
    paint_backdrop(l);
    draw_centred(l, "Promote the pawn to", PANEL_WIDTH / 2, 3, 1, GOLD, SHADOW);
    for (int n = 0; n < PROMOTION_CELLS; n++) {
        double x = CELL_LEFT + CELL_PITCH * n, y = CELL_TOP;
        fill(l, box(x - 3, y - 3, x + SQUARE_SIZE + 3, y + SQUARE_SIZE + 3, 3), solid(SHADOW));
        fill(l, box(x - 2, y - 2, x + SQUARE_SIZE + 2, y + SQUARE_SIZE + 2, 2), solid(GOLD));
        fill(l, box(x, y, x + SQUARE_SIZE, y + SQUARE_SIZE), vertical(y, LIGHT_SQUARE, y + SQUARE_SIZE, shade(LIGHT_SQUARE, 0.9)));
    }
    return l;
}

// The strip under the title picture, where a tap opens the menu.
Layer paint_title_panel() {
    Layer l = make_layer(PANEL_WIDTH, TITLE_PANEL_HEIGHT);
    paint_backdrop(l);
    paint_button(l, 40, 8, 200, 58, GREEN_FACE);
    draw_centred(l, "Tap here", PANEL_WIDTH / 2, 17, 2, INK, SHADOW);
    draw_centred(l, "to start", PANEL_WIDTH / 2, 36, 2, INK, SHADOW);
    draw_centred(l, "a game of losing chess", PANEL_WIDTH / 2, 67, 1, DIM, SHADOW);
    return l;
}
