// A new game, the one way a move is committed during play, the history it leaves, and taking
// moves back. The position changes only through the engine's try_move and take_back, the same
// steps the searches and the engine tool take.
#include "game/moves.h"

#include <cstring>

#include "engine/captures.h"
#include "engine/position.h"
#include "engine/rules.h"
#include "engine/search.h"
#include "game/animation.h"
#include "game/board_view.h"
#include "game/clocks.h"
#include "game/game_state.h"
#include "game/human_input.h"
#include "shell/shell.h"
#include "sound/sound.h"

namespace {

// Records dropped at once when the history is full: two, so that the count keeps the parity of
// the side to move and an automatic second take-back always finds its record.
#define HISTORY_DROP 2

// The increment in ms for each increment_option value.
const int32_t INCREMENT_MS[4] = {0, 2000, 5000, 9000};

// Makes room for one more record by forgetting the oldest moves.
void make_room_in_history() {
    if (history_count < HISTORY_SIZE) return;
    std::memmove(move_history, move_history + HISTORY_DROP,
                 sizeof(HistoryRecord) * (HISTORY_SIZE - HISTORY_DROP));
    history_count -= HISTORY_DROP;
}

// 1 when the square is on the board.
int on_board(int file, int rank) { return file >= 0 && file < 8 && rank >= 0 && rank < 8; }

// Fills the next history record for the mover and its victim (EMPTY_SQUARE: none), with the
// clocks as they stand.
void record_move(int mover_id, int victim_id) {
    make_room_in_history();
    HistoryRecord &record = move_history[history_count];
    record.kind = MOVE_PLAIN;
    record.mover = (uint16_t)mover_id;
    record.mover_before = PieceTable[mover_id];
    if (victim_id != EMPTY_SQUARE) {
        record.kind = MOVE_CAPTURE;
        record.victim = (uint16_t)victim_id;
        record.victim_before = PieceTable[victim_id];
    }
    record.white_time_used = time_used[White];
    record.black_time_used = time_used[Black];
    history_count += 1;
}

// Applies the move to the position at once, records it for take-back and arms the slide; the
// turn stays with side_to_move.
int execute_move(int from_file, int from_rank, int to_file, int to_rank, int promotion) {
    if (!on_board(from_file, from_rank) || !on_board(to_file, to_rank)) return 0;
    int mover_id = BoardMap[board_index(from_file, from_rank)];
    if (mover_id == EMPTY_SQUARE || PieceTable[mover_id].colour != side_to_move) return 0;
    int victim_id = BoardMap[board_index(to_file, to_rank)];
    if (victim_id != EMPTY_SQUARE && PieceTable[victim_id].colour == side_to_move) return 0;

    record_move(mover_id, victim_id);
    animation_pending = 1;
    play_movement_sound();
    const PieceRecord &mover = PieceTable[mover_id];
    int sprite = mover.kind + 6 * mover.colour;
    try_move(mover_id, to_file, to_rank);
    // Under the slide the victim still stands on the target until the board is redrawn.
    start_slide(sprite, from_file, from_rank, to_file, to_rank, victim_id);
    arrival_kind = mover.kind;
    if (mover.kind == Pawn && to_rank == last_rank_of(side_to_move)) {
        promoted_piece = mover_id;
        arrival_kind = promotion;
    }
    return 1;
}

}  // namespace

// A fresh game: the engine's start position, an empty history, the clocks armed from the options.
void new_game() {
    setup_start_position();
    side_to_move = White;
    clear_selection();
    history_count = 0;
    capture_count = 0;
    animation_pending = 0;
    takeback_pending = 0;
    game_over = 0;
    quit_requested = 0;
    promotion_pending = 0;
    time_used[White] = time_used[Black] = 0;
    move_counts[White] = move_counts[Black] = 0;
    time_budget[White] = time_budget[Black] = (time_control + 1) * MS_PER_MINUTE;
    tick_base = get_ticks();
    if (increment_option < 4) increment_ms = INCREMENT_MS[increment_option];
    draw_board();
    draw_lower_panel();
    present_and_pump(true);
    search_depth = depth_for_level(level);
}

// A committed move gives the turn to the other side; a refused one leaves everything as it was.
int commit_move(int from_file, int from_rank, int to_file, int to_rank, int promotion) {
    if (!execute_move(from_file, from_rank, to_file, to_rank, promotion)) return 0;
    pass_turn();
    return 1;
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
    const PieceRecord &before = record.mover_before;
    PieceRecord &mover = PieceTable[record.mover];
    TriedMove made{record.mover, before.file, before.rank, mover.file, mover.rank, -1, before.moved};
    if (record.kind == MOVE_CAPTURE) made.victim = record.victim;
    take_back(made);
    mover.kind = before.kind;  // a promoted pawn goes back as a pawn
    start_slide(6 * before.colour + before.kind, made.to_file, made.to_rank, before.file,
                before.rank, EMPTY_SQUARE);
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
