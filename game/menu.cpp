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
#include "game/moves.h"
#include "graphics/draw.h"
#include "shell/shell.h"
#include "sound/sound.h"

namespace {

// A white frame two pixels thick whose inner edge is the cell.
void frame_cell(const MenuCell &cell) {
    draw_box(cell.x0, cell.y0, cell.x1, cell.y1, MENU_FRAME_COLOUR);
    draw_box(cell.x0 - 1, cell.y0 - 1, cell.x1 + 1, cell.y1 + 1, MENU_FRAME_COLOUR);
}

// Sets the option to the value of the tapped cell of its row, with the option sound.
void choose_in_row(const MenuCell *cells, int count, uint8_t *option, int x, int y) {
    for (int value = 0; value < count; value++) {
        if (!rect_holds(cells[value], x, y)) continue;
        *option = (uint8_t)value;
        play_menu1_sound();
    }
}

// The first level cell that holds the tap sets the level.
void choose_level(int x, int y) {
    for (int value = 0; value < LEVEL_COUNT; value++) {
        if (!rect_holds(level_cell(value), x, y)) continue;
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
        if (rect_holds(NEW_GAME_BUTTON, x, y)) {
            play_menu2_sound();
            screen_state = SCREEN_PLAY;
            new_game();
            restart_clock();
        }
        if (rect_holds(BACK_BUTTON, x, y)) {
            play_menu2_sound();
            go_back();
        }
    }
    present_and_pump(true);
}
