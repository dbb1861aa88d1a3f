// The game's moves: a new game, committing a move with its history record, and taking moves
// back, all on the engine's try_move, take_back and pass_turn.
#ifndef VORLEN_GAME_MOVES_H
#define VORLEN_GAME_MOVES_H

// Sets up the starting position with the options as they stand, arms the clocks and shows it.
void new_game();
// Commits the move of side_to_move's piece from one square to the other: the position changes
// at once, a history record is kept, the slide is armed and the turn passes. A pawn that reaches
// its last rank becomes `promotion` when the slide ends, or -1: the person is asked. 1 when
// committed; 0 when refused (a square off the board, no piece of side_to_move on the from square,
// or one of its own on the target), and then nothing has changed and the turn has not passed.
[[nodiscard]] int commit_move(int from_file, int from_rank, int to_file, int to_rank,
                              int promotion);
// Undoes the latest move with a sliding piece; the take-back animation then runs.
void start_takeback();
// The end of a take-back slide: settles the position, and undoes one more move when that gives
// the turn back to the computer.
void finish_takeback();

#endif
