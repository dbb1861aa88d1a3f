// The computer's turn: the searches choose a move within one frame and it is committed.
#ifndef VORLEN_GAME_COMPUTER_TURN_H
#define VORLEN_GAME_COMPUTER_TURN_H

// Chooses and commits the computer's move, or ends the game when it has none.
void computer_turn();

#endif
