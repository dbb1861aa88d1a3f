// The menu screen: option cells that set players, time control, increment and level, and the
// New game and Back buttons.
#include "game/menu.h"

#include "engine/position.h"
#include "engine/search.h"
#include "game/assets.h"
#include "game/board_view.h"
#include "game/clocks.h"
#include "game/game_state.h"
#include "game/main_loop.h"
#include "graphics/draw.h"
#include "shell/shell.h"
#include "sound/sound.h"

const MenuCell PLAYERS_CELLS[3] = {{159, 43, 176, 60}, {182, 43, 200, 60}, {204, 43, 223, 60}};
const MenuCell TIME_CONTROL_CELLS[5] = {
    {118, 71, 135, 87}, {136, 71, 154, 87}, {155, 71, 174, 87}, {175, 71, 192, 87}, {193, 71, 224, 87}};
const MenuCell INCREMENT_CELLS[4] = {
    {142, 98, 161, 115}, {162, 98, 183, 115}, {184, 98, 205, 115}, {206, 98, 223, 115}};
const MenuCell NEW_GAME_BUTTON = {19, 262, 95, 300};
const MenuCell BACK_BUTTON = {126, 262, 216, 300};

namespace {

#define LEVEL_COLUMNS 5
#define LEVEL_ROWS 3

// Columns and rows of the level grid: x0..x1 of each column, y0..y1 of each row.
const int LEVEL_COLUMN_X[LEVEL_COLUMNS][2] = {{102, 123}, {126, 149}, {154, 175}, {179, 198}, {204, 224}};
const int LEVEL_ROW_Y[LEVEL_ROWS][2] = {{153, 173}, {182, 202}, {208, 228}};

// 1 when the tap lies in the cell, edges included.
int cell_hit(const MenuCell &cell, int x, int y) {
    return x >= cell.x0 && x <= cell.x1 && y >= cell.y0 && y <= cell.y1;
}

// A white frame two pixels thick whose inner edge is the cell.
void frame_cell(const MenuCell &cell) {
    draw_box(cell.x0, cell.y0, cell.x1, cell.y1, MENU_FRAME_COLOUR);
    draw_box(cell.x0 - 1, cell.y0 - 1, cell.x1 + 1, cell.y1 + 1, MENU_FRAME_COLOUR);
}

// Sets the option to the value of the tapped cell of its row, with the option sound.
void choose_in_row(const MenuCell *cells, int count, uint8_t *option, int x, int y) {
    for (int value = 0; value < count; value++) {
        if (!cell_hit(cells[value], x, y)) continue;
        *option = (uint8_t)value;
        play_menu1_sound();
    }
}

// The first level cell that holds the tap sets the level.
void choose_level(int x, int y) {
    for (int value = 0; value < LEVEL_COUNT; value++) {
        if (!cell_hit(level_cell(value), x, y)) continue;
        level = (int8_t)value;
        play_menu1_sound();
        return;
    }
}

// Back before any game returns to the title; during a game the game resumes as it was, with
// level, clock and increment restored before the clocks are drawn (a clock changed on the menu
// must not time out a game whose own clock has not run out).
void go_back() {
    if (side_to_move == NO_GAME) {
        screen_state = SCREEN_TITLE;
        show_title_panel();
        return;
    }
    screen_state = SCREEN_PLAY;
    restore_options();
    draw_board();
    draw_lower_panel();
    draw_clocks();
    restart_clock();
}

}  // namespace

// Row from level / 5, column from level mod 5.
MenuCell level_cell(int value) {
    const int *column = LEVEL_COLUMN_X[value % LEVEL_COLUMNS];
    const int *row = LEVEL_ROW_Y[value / LEVEL_COLUMNS];
    return MenuCell{column[0], row[0], column[1], row[1]};
}

// The menu picture carries every label; only the frames of the chosen values are drawn.
void draw_menu() {
    copy_picture(panel3_picture, 0, 0, FRAME_WIDTH, FRAME_HEIGHT);
    frame_cell(PLAYERS_CELLS[players]);
    frame_cell(TIME_CONTROL_CELLS[time_control]);
    frame_cell(INCREMENT_CELLS[increment_option]);
    frame_cell(level_cell(level));
    present_and_pump(true);
}

// Reads this frame's tap: option cells, then the buttons.
void menu_frame() {
    if (take_tap()) {
        int x = get_tap_x(), y = get_tap_y();
        choose_in_row(PLAYERS_CELLS, 3, &players, x, y);
        choose_in_row(TIME_CONTROL_CELLS, 5, &time_control, x, y);
        choose_in_row(INCREMENT_CELLS, 4, &increment_option, x, y);
        choose_level(x, y);
        draw_menu();
        if (cell_hit(NEW_GAME_BUTTON, x, y)) {
            play_menu2_sound();
            screen_state = SCREEN_PLAY;
            new_game();
            restart_clock();
        }
        if (cell_hit(BACK_BUTTON, x, y)) {
            play_menu2_sound();
            go_back();
        }
    }
    present_and_pump(true);
}
