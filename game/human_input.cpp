// A person's moves by tap, with the compulsory-capture rule, and the lower panel's buttons.
#include "game/human_input.h"

#include <cstdlib>

#include "engine/captures.h"
#include "engine/position.h"
#include "engine/rules.h"
#include "game/assets.h"
#include "game/board_view.h"
#include "game/game_state.h"
#include "game/main_loop.h"
#include "game/moves.h"
#include "game/panel_layout.h"
#include "graphics/draw.h"
#include "shell/shell.h"
#include "sound/sound.h"

namespace {

#define FLASH_COLOUR_RANGE 65535

// Piece id on the square of a screen cell, or EMPTY_SQUARE.
int piece_on_cell(int col, int row) { return BoardMap[board_index(col, 7 - row)]; }

// The tapped board cell: select, put back, or try the move to it.
void tap_board(int col, int row) {
    if (selected_col == NO_CELL) {
        int id = piece_on_cell(col, row);
        if (id != EMPTY_SQUARE && PieceTable[id].colour == side_to_move) {
            selected_col = col;
            selected_row = row;
            play_select_sound();
        }
        return;
    }
    if (col == selected_col && row == selected_row) {
        selected_col = NO_CELL;
        play_select_sound();
        draw_board();
        return;
    }
    target_row = row;
    target_col = col;
    int from_file = selected_col, from_rank = 7 - selected_row;
    int legal = is_legal_move(from_file, from_rank, col, 7 - row, side_to_move);
    // While a capture is available anywhere, only moves onto an occupied square are accepted.
    // A legal move is one of the selected piece of side_to_move onto an empty or enemy square,
    // which commit_move always takes; a refusal would be answered like an illegal move.
    int accepted = legal && !(capture_count > 0 && piece_on_cell(col, row) == EMPTY_SQUARE) &&
                   commit_move(from_file, from_rank, col, 7 - row, -1);
    if (!accepted) {
        target_col = NO_CELL;
        play_nope_sound();
        return;
    }
    clear_selection();
}

// The lower panel's buttons, the first that matches wins.
void tap_panel(int x, int y) {
    if (tap_hits_quit(x, y)) {
        quit_requested = 1;
    } else if (tap_hits_menu(x, y)) {
        enter_menu();
    } else if (panel_button_hit(ABOUT_BUTTON, x, y)) {
        enter_about();
    } else if (panel_button_hit(SOUND_BUTTON, x, y)) {
        sound_enabled = (uint8_t)(1 - sound_enabled);
        draw_lower_panel();
    } else if (panel_button_hit(TAKE_BACK_BUTTON, x, y)) {
        if (history_count > 0) start_takeback();
    }
}

// Two outlines around the selected cell in fresh random colours, so the selection flickers.
void draw_selection_frame() {
    int x = PIECE_SIZE * selected_col, y = PIECE_SIZE * selected_row;
    draw_box(x, y, x + PIECE_SIZE - 1, y + PIECE_SIZE - 1, rand() % FLASH_COLOUR_RANGE);
    draw_box(x + 1, y + 1, x + PIECE_SIZE - 2, y + PIECE_SIZE - 2, rand() % FLASH_COLOUR_RANGE);
}

}  // namespace

// No piece selected and no target.
void clear_selection() {
    selected_col = NO_CELL;
    target_col = NO_CELL;
}

// Reads this frame's tap, if any, and keeps the selection flashing.
void human_turn() {
    computer_promoted = 0;
    if (take_tap()) {
        int x = get_tap_x(), y = get_tap_y();
        int col = x / PIECE_SIZE, row = y / PIECE_SIZE;
        // A position beyond the board's right edge names no square; only the panel is below it.
        if (row < 8) {
            if (col < 8) tap_board(col, row);
        } else {
            tap_panel(x, y);
        }
    }
    if (screen_state != SCREEN_PLAY) return;
    if (selected_col != NO_CELL) draw_selection_frame();
}
