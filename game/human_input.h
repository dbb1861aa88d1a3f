// A person's turn: selecting a piece and its target by taps, and the panel buttons.
#ifndef VORLEN_GAME_HUMAN_INPUT_H
#define VORLEN_GAME_HUMAN_INPUT_H

// Forgets the selection and the target.
void clear_selection();
// One frame of a person's turn.
void human_turn();

#endif
