// Committing moves: execute_move with its history record, the computer's turn, and the slide
// animations of a move and of a take-back.
#ifndef VORLEN_GAME_COMPUTER_TURN_H
#define VORLEN_GAME_COMPUTER_TURN_H

#include <cstdint>

#include "engine/position.h"

#define MOVE_PLAIN 1
#define MOVE_CAPTURE 2
#define HISTORY_SIZE 250         // records kept; a longer game forgets its oldest moves
#define MOVE_ANIMATION_STEPS 20
#define TAKEBACK_ANIMATION_STEPS 10

// One executed move, with what take-back needs to undo it.
struct HistoryRecord {
    uint16_t kind;                // MOVE_PLAIN or MOVE_CAPTURE
    uint16_t mover;               // id of the moving piece
    uint16_t victim;              // id of the captured piece (MOVE_CAPTURE only)
    PieceRecord mover_before;     // the mover before the move
    PieceRecord victim_before;    // the victim before the capture (MOVE_CAPTURE only)
    int32_t white_time_used;      // time_used of White when the move was made, ms
    int32_t black_time_used;      // time_used of Black when the move was made, ms
};

extern HistoryRecord move_history[HISTORY_SIZE];  // oldest first
extern int history_count;                         // records in use, 0..HISTORY_SIZE

extern int anim_sprite;                 // piece picture index of the travelling piece
extern int anim_from_x, anim_from_y;    // top-left pixel of the start cell
extern int anim_to_x, anim_to_y;        // top-left pixel of the end cell
extern int anim_step;                   // frames drawn so far

extern int arrival_kind;          // kind after the move; -1: the person chooses a promotion
extern int promoted_piece;        // id of the pawn that reached its last rank
extern uint8_t computer_promoted; // 1 when the computer's move promotes

// Copies the whole frame into a 240 x 320 buffer.
void copy_frame_to(uint16_t *buffer);

int execute_move(int from_file, int from_rank, int to_file, int to_rank);
void computer_turn();
void step_move_animation();
void step_takeback_animation();

#endif
