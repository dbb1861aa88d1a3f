// The one way a move is committed during play, the computer's turn, and the slides that show
// moves and take-backs.
#include "game/computer_turn.h"

#include <cstring>

#include "engine/captures.h"
#include "engine/search.h"
#include "game/assets.h"
#include "game/board_view.h"
#include "game/clocks.h"
#include "game/game_state.h"
#include "game/human_input.h"
#include "game/main_loop.h"
#include "game/promotion.h"
#include "graphics/draw.h"
#include "shell/shell.h"
#include "sound/sound.h"

HistoryRecord move_history[HISTORY_SIZE];
int history_count = 0;

int anim_sprite = 0;
int anim_from_x = 0, anim_from_y = 0;
int anim_to_x = 0, anim_to_y = 0;
int anim_step = 0;

int arrival_kind = 0;
int promoted_piece = 0;
uint8_t computer_promoted = 0;

namespace {

// Records dropped at once when the history is full: two, so that the count keeps the parity of
// the side to move and an automatic second take-back always finds its record.
#define HISTORY_DROP 2

// Makes room for one more record by forgetting the oldest moves.
void make_room_in_history() {
    if (history_count < HISTORY_SIZE) return;
    std::memmove(move_history, move_history + HISTORY_DROP,
                 sizeof(HistoryRecord) * (HISTORY_SIZE - HISTORY_DROP));
    history_count -= HISTORY_DROP;
}

// 1 when the square is on the board.
int on_board(int file, int rank) { return file >= 0 && file < 8 && rank >= 0 && rank < 8; }

// The travelling piece over the saved board, at step of steps along its way.
void draw_slide_frame(int steps) {
    copy_picture(background_copy, 0, 0, FRAME_WIDTH, FRAME_HEIGHT);
    int x = anim_from_x + (anim_to_x - anim_from_x) * anim_step / steps;
    int y = anim_from_y + (anim_to_y - anim_from_y) * anim_step / steps;
    draw_piece(anim_sprite, x, y);
}

// After a move's slide: the promotion choice, or the computer's promotion and the end test.
void finish_move() {
    stop_sound();
    animation_pending = 0;
    if (arrival_kind == -1) {
        open_promotion_panel();
    } else {
        if (computer_promoted == 1) PieceTable[promoted_piece].kind = (int8_t)arrival_kind;
        end_game_when_stuck();
    }
    draw_board();
}

}  // namespace

// A snapshot of the frame, kept as the background of a slide.
void copy_frame_to(uint16_t *buffer) {
    std::memcpy(buffer, frame, sizeof(uint16_t) * FRAME_WIDTH * FRAME_HEIGHT);
}

// Applies the move to the position at once, records it for take-back and arms the slide; the
// caller then gives the turn to the other side.
int execute_move(int from_file, int from_rank, int to_file, int to_rank) {
    if (!on_board(from_file, from_rank) || !on_board(to_file, to_rank)) return 0;
    int mover_id = BoardMap[from_file * 8 + from_rank];
    if (mover_id == EMPTY_SQUARE || PieceTable[mover_id].colour != side_to_move) return 0;
    int victim_id = BoardMap[to_file * 8 + to_rank];
    if (victim_id != EMPTY_SQUARE && PieceTable[victim_id].colour == side_to_move) return 0;

    make_room_in_history();
    HistoryRecord &record = move_history[history_count];
    PieceRecord &mover = PieceTable[mover_id];
    record.kind = MOVE_PLAIN;
    record.mover = (uint16_t)mover_id;
    record.mover_before = mover;
    if (victim_id != EMPTY_SQUARE) {
        record.kind = MOVE_CAPTURE;
        record.victim = (uint16_t)victim_id;
        record.victim_before = PieceTable[victim_id];
        PieceTable[victim_id].file = CAPTURED;
    }
    record.white_time_used = time_used[White];
    record.black_time_used = time_used[Black];
    history_count += 1;

    animation_pending = 1;
    play_movement_sound();
    anim_sprite = mover.kind + 6 * mover.colour;
    anim_from_x = square_x(from_file);
    anim_from_y = square_y(from_rank);
    anim_to_x = square_x(to_file);
    anim_to_y = square_y(to_rank);
    anim_step = 0;
    BoardMap[from_file * 8 + from_rank] = EMPTY_SQUARE;
    draw_board();
    copy_frame_to(background_copy);
    draw_piece(anim_sprite, anim_from_x, anim_from_y);

    mover.file = (int8_t)to_file;
    mover.rank = (int8_t)to_rank;
    BoardMap[to_file * 8 + to_rank] = (int8_t)mover_id;
    arrival_kind = mover.kind;
    int last_rank = side_to_move == White ? 7 : 0;
    if (mover.kind == Pawn && to_rank == last_rank) {
        promoted_piece = mover_id;
        arrival_kind = best_promotion;
    }
    mover.moved = 1;
    move_counts[side_to_move] += 1;
    return 1;
}

// The computer chooses within this one frame and commits its move; with no move, it has won.
void computer_turn() {
    computer_promoted = 0;
    MoveSource source = choose_computer_move(nullptr);
    // A clock that ran out while the computer thought has ended the game before its move.
    if (game_over != 0) {
        discard_taps();
        return;
    }
    if (best_from_file == -1) {
        game_over = (uint8_t)(side_to_move + 1);
        discard_taps();
        return;
    }
    // A giveaway-line move never promotes, whatever an earlier search left in best_promotion.
    if (source == SOURCE_SEARCH && best_promotion != -1) computer_promoted = 1;
    execute_move(best_from_file, best_from_rank, best_to_file, best_to_rank);
    side_to_move = 1 - side_to_move;
    generate_captures(1);
    discard_taps();
}

// One frame of a move's slide; the first adds the increment to the side that moved.
void step_move_animation() {
    draw_slide_frame(MOVE_ANIMATION_STEPS);
    if (anim_step == 0) time_budget[1 - side_to_move] += increment_ms;
    anim_step += 1;
    if (anim_step < MOVE_ANIMATION_STEPS) return;
    finish_move();
}

// One frame of a take-back's slide.
void step_takeback_animation() {
    draw_slide_frame(TAKEBACK_ANIMATION_STEPS);
    anim_step += 1;
    if (anim_step < TAKEBACK_ANIMATION_STEPS) return;
    finish_takeback();
}
