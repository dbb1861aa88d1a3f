// A person's moves by tap, with the compulsory-capture rule, the lower panel's buttons and
// take-back.
#include "game/human_input.h"

#include <cstdlib>

#include "engine/captures.h"
#include "engine/position.h"
#include "engine/rules.h"
#include "engine/search.h"
#include "game/assets.h"
#include "game/board_view.h"
#include "game/clocks.h"
#include "game/computer_turn.h"
#include "game/game_state.h"
#include "game/main_loop.h"
#include "game/panel_layout.h"
#include "graphics/draw.h"
#include "shell/shell.h"
#include "sound/sound.h"

int selected_col = NO_CELL;
int selected_row = 0;
int target_col = NO_CELL;
int target_row = 0;

namespace {

#define FLASH_COLOUR_RANGE 65535

// Piece id on the square of a screen cell, or EMPTY_SQUARE.
int piece_on_cell(int col, int row) { return BoardMap[col * 8 + (7 - row)]; }

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
    if (!legal || (capture_count > 0 && piece_on_cell(col, row) == EMPTY_SQUARE)) {
        target_col = NO_CELL;
        play_nope_sound();
        return;
    }
    best_promotion = -1;
    execute_move(from_file, from_rank, col, 7 - row);
    side_to_move = 1 - side_to_move;
    generate_captures(1);
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

// The record's mover slides back from its square to its old one, over the board as it was
// before the move (a captured piece already back in place); the position is restored at once.
void start_takeback() {
    takeback_pending = 1;
    play_movement_sound();
    clear_selection();
    side_to_move = 1 - side_to_move;
    history_count -= 1;
    const HistoryRecord &record = move_history[history_count];
    PieceRecord &mover = PieceTable[record.mover];
    anim_sprite = 6 * record.mover_before.colour + record.mover_before.kind;
    anim_from_x = square_x(mover.file);
    anim_from_y = square_y(mover.rank);
    anim_to_x = square_x(record.mover_before.file);
    anim_to_y = square_y(record.mover_before.rank);
    anim_step = 0;
    BoardMap[mover.file * 8 + mover.rank] = EMPTY_SQUARE;
    if (record.kind == MOVE_CAPTURE) {
        PieceTable[record.victim] = record.victim_before;
        BoardMap[record.victim_before.file * 8 + record.victim_before.rank] = (int8_t)record.victim;
    }
    draw_board();
    copy_frame_to(background_copy);
    draw_piece(anim_sprite, anim_from_x, anim_from_y);
    mover = record.mover_before;
    BoardMap[mover.file * 8 + mover.rank] = (int8_t)record.mover;
    time_used[White] = record.white_time_used;
    time_used[Black] = record.black_time_used;
}

// The slide is over: the turn is settled, and against the computer one more move goes back so
// that the person is to move again.
void finish_takeback() {
    stop_sound();
    takeback_pending = 0;
    restart_clock();
    generate_captures(1);
    draw_board();
    draw_clocks();
    present_and_pump(true);
    if (!is_person_to_move() && history_count > 0) start_takeback();
}
