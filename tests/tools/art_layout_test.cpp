// Where the buttons and cells of the pictures lie, against the rectangles in which the game
// accepts taps for them (screen pixels; the lower panels start at screen row 260).
#include <gtest/gtest.h>

#include <iterator>
#include <vector>

#include "game/menu_layout.h"
#include "game/panel_layout.h"
#include "tests/tools/art_check.h"

namespace {

const int PANEL_TOP = 260;

// A rectangle with both corners included.
struct Rect {
    int x0, y0, x1, y1;
    bool holds(int x, int y) const { return x >= x0 && x <= x1 && y >= y0 && y <= y1; }
};

// A button's tap rectangle in panel rows.
constexpr Rect in_panel(const ScreenRect &r) { return {r.x0, r.y0 - PANEL_TOP, r.x1, r.y1 - PANEL_TOP}; }
const Rect MENU = in_panel(MENU_BUTTON);
const Rect TAKE_BACK = in_panel(TAKE_BACK_BUTTON);
const Rect QUIT = in_panel(QUIT_BUTTON);
const Rect ABOUT = in_panel(ABOUT_BUTTON);
const Rect SPEAKER = in_panel(SOUND_BUTTON);

// Whether the pixel differs from the backdrop, which changes only from row to row and
// shows unpainted at the left edge of every row of these pictures.
bool painted(const Decoded &d, int x, int y) { return d.at(x, y) != d.at(0, y); }

// Whether more than three quarters of the rectangle are painted over the backdrop, so that a
// tap anywhere in it lands on what it names.
bool mostly_painted(const Decoded &d, Rect r) {
    int n = 0;
    for (int y = r.y0; y <= r.y1; y++)
        for (int x = r.x0; x <= r.x1; x++) n += painted(d, x, y);
    return n > (r.x1 - r.x0 + 1) * (r.y1 - r.y0 + 1) * 3 / 4;
}

}  // namespace

TEST(ArtLayout, LowerPanelButtonsLieInsideTheirTapRectangles) {
    Decoded d = load_picture("panel2.tga", 240, 60);
    for (int y = 0; y < 60; y++)
        for (int x = 0; x < 240; x++) {
            if (!painted(d, x, y)) continue;
            bool inside = false;
            for (Rect r : {MENU, TAKE_BACK, QUIT, ABOUT, SPEAKER}) inside = inside || r.holds(x, y);
            EXPECT_TRUE(inside) << "paint outside every button at (" << x << ", " << y + PANEL_TOP << ")";
        }
    for (Rect r : {MENU, TAKE_BACK, ABOUT, SPEAKER, Rect{QUIT.x0, QUIT.y0, QUIT.x1, 56}})
        EXPECT_TRUE(mostly_painted(d, r)) << "button at x " << r.x0;
}

TEST(ArtLayout, MenuCellsAndButtonsSitOnTheirRectangles) {
    Decoded d = load_picture("panel3.tga", 240, 320);
    std::vector<MenuCell> cells(std::begin(PLAYERS_CELLS), std::end(PLAYERS_CELLS));
    cells.insert(cells.end(), std::begin(TIME_CONTROL_CELLS), std::end(TIME_CONTROL_CELLS));
    cells.insert(cells.end(), std::begin(INCREMENT_CELLS), std::end(INCREMENT_CELLS));
    cells.insert(cells.end(), {NEW_GAME_BUTTON, BACK_BUTTON});
    for (int value = 0; value < LEVEL_ROWS * LEVEL_COLUMNS; value++) cells.push_back(level_cell(value));
    for (const MenuCell &c : cells)
        EXPECT_TRUE(mostly_painted(d, Rect{c.x0, c.y0, c.x1, c.y1})) << "cell at " << c.x0 << ", " << c.y0;
    // The gaps between cells are backdrop, so a tap that changes nothing looks like it.
    for (int x = 177; x <= 181; x++) EXPECT_FALSE(painted(d, x, 52));
    for (int y = 175; y <= 180; y++) EXPECT_FALSE(painted(d, 112, y));
    EXPECT_FALSE(painted(d, 218, 280));  // right of Back
}

TEST(ArtLayout, KeyColourOnlyWhereTheGameShowsWhatLiesBehind) {
    // Banner and piece corners are cut; their middles, the title lettering and the strip are not;
    // the title's window is open onto the board.
    const struct {
        const char *name;
        int width, height, x, y;
        bool keyed;
    } points[] = {{"greenwin.tga", 224, 100, 0, 0, true},  {"bluewin.tga", 224, 100, 223, 99, true},
                  {"greenwin.tga", 224, 100, 112, 0, false}, {"bluewin.tga", 224, 100, 112, 50, false},
                  {"front.tga", 240, 240, 120, 136, true},  {"front.tga", 240, 240, 120, 25, false},
                  {"panel4.tga", 240, 80, 120, 33, false}};
    for (const auto &p : points)
        EXPECT_EQ(load_picture(p.name, p.width, p.height).at(p.x, p.y) == KEY, p.keyed) << p.name;
    for (int i = GAME_SCREEN_PICTURE_COUNT; i < PICTURE_COUNT; i++) {
        Decoded d = load_picture(PICTURE_FILES[i].name, PIECE_SIZE, PIECE_SIZE);
        EXPECT_TRUE(d.at(0, 0) == KEY && d.at(29, 0) == KEY && d.at(15, 25) != KEY) << PICTURE_FILES[i].name;
    }
}
