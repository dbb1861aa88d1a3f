// The game's shared state, every variable once with its meaning and range: the screen and its
// sub-states, the four options and their saved copies, the clocks, the history of the game's
// moves, the slide that shows a move, the person's selection and the title's angles. One
// instance each, for the whole run. (The pictures and the slide's background buffer are the
// assets'; the position is the engine's.)
#ifndef VORLEN_GAME_GAME_STATE_H
#define VORLEN_GAME_GAME_STATE_H

#include <cstdint>

#include "engine/position.h"

// ---- Screens and the play screen's sub-states ----
#define SCREEN_PLAY 0
#define SCREEN_MENU 1
#define SCREEN_TITLE 2
#define SCREEN_ABOUT 4

extern uint8_t screen_state;       // SCREEN_PLAY, SCREEN_MENU, SCREEN_TITLE or SCREEN_ABOUT
extern uint8_t quit_requested;     // 1 ends the main loop
extern uint8_t game_over;          // 0 the game runs; 1 White has won; 2 Black has won
extern uint8_t promotion_pending;  // 1 while the promotion panel waits for a choice
extern uint8_t animation_pending;  // 1 while a move slides
extern uint8_t takeback_pending;   // 1 while a take-back slides

// ---- Options ----
#define PLAYERS_COMPUTER_ONLY 0  // the computer plays both sides
#define PLAYERS_PERSON_WHITE 1   // a person plays White, the computer Black
#define PLAYERS_PEOPLE_ONLY 2    // people play both sides

#define TIME_CONTROL_UNTIMED 4   // time_control value with no budget and no time-out

extern uint8_t players;            // PLAYERS_COMPUTER_ONLY..PLAYERS_PEOPLE_ONLY
extern uint8_t time_control;       // 0..3: (value + 1) minutes each; 4 untimed
extern uint8_t increment_option;   // 0..3: 0, 2, 5 or 9 seconds added after each move
extern uint8_t saved_players, saved_level, saved_time_control, saved_increment_option;
// (The fourth option, level 0..14, is the engine's.)

// ---- Clocks ----
extern int32_t time_budget[2];  // ms allowed to each Colour; grows by the increment per move
extern int32_t time_used[2];    // ms charged to each Colour since the new game, 0..budget
extern uint32_t tick_base;      // tick count from which the next charge is measured
extern int32_t increment_ms;    // 0, 2000, 5000 or 9000 ms added after each move

// ---- History: the moves of the game, for take-back ----
#define MOVE_PLAIN 1
#define MOVE_CAPTURE 2
#define HISTORY_SIZE 250  // records kept; a longer game forgets its oldest moves

// One committed move, with what take-back needs to undo it.
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

// ---- The slide of a move or a take-back ----
#define MOVE_ANIMATION_STEPS 20
#define TAKEBACK_ANIMATION_STEPS 10

extern int anim_sprite;               // piece picture index (kind + 6 x colour) of the slider
extern int anim_from_x, anim_from_y;  // top-left pixel of the start cell
extern int anim_to_x, anim_to_y;      // top-left pixel of the end cell
extern int anim_step;                 // frames drawn so far, 0..the slide's steps

// ---- The outcome of the latest move ----
extern int arrival_kind;           // PieceKind after the move; -1: the person chooses a promotion
extern int promoted_piece;         // id 0..31 of the pawn that reached its last rank
extern uint8_t computer_promoted;  // 1 when the computer's move promotes

// ---- The person's selection, in screen cells (col 0..7 from the left, row 0..7 from the top) ----
#define NO_CELL (-1)

extern int selected_col, selected_row;  // cell of the selected piece; col NO_CELL: none
extern int target_col, target_row;      // cell last tapped as a target; col back to NO_CELL at once

// ---- The title screen ----
extern int spin_angle;    // whole degrees 0..359: turn and zoom of the board
extern int sway_angle_u;  // whole degrees 0..359: sideways sway
extern int sway_angle_v;  // whole degrees 0..359: up and down sway

// 1 when the side to move is played by a person under the current players option.
int is_person_to_move();
// Copies the four options into their saved copies, done whenever the menu or about screen opens.
void save_options();
// Puts level, time control and increment back from their saved copies; players stays in force.
void restore_options();

#endif
