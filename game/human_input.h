// A person's turn: selecting a piece and its target by taps, the panel buttons, and take-back.
#ifndef VORLEN_GAME_HUMAN_INPUT_H
#define VORLEN_GAME_HUMAN_INPUT_H

#include <cstdint>

#define NO_CELL (-1)

extern int selected_col, selected_row;  // screen cell of the selected piece; col NO_CELL: none
extern int target_col, target_row;      // cell last tapped as a target; col back to NO_CELL at once

// Forgets the selection and the target.
void clear_selection();
// One frame of a person's turn.
void human_turn();
// Undoes the latest move with a sliding piece; the take-back animation then runs.
void start_takeback();
// The end of a take-back slide: settles the position, and undoes one more move when that gives
// the turn back to the computer.
void finish_takeback();

#endif
