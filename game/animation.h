// The slides that show a committed move (20 frames) and a take-back (10 frames) over a copy of
// the board without the travelling piece.
#ifndef VORLEN_GAME_ANIMATION_H
#define VORLEN_GAME_ANIMATION_H

#include <cstdint>

// Copies the whole frame into a 240 x 320 buffer.
void copy_frame_to(uint16_t *buffer);
// Arms a slide of piece picture `sprite` from one square to another, the position already
// final: the board is drawn with `uncovered` (a piece id, or EMPTY_SQUARE) in place of the piece
// standing on the end square, kept as the slide's background, and the sprite drawn at the start.
void start_slide(int sprite, int from_file, int from_rank, int to_file, int to_rank, int uncovered);
// One frame of a move's slide; the first adds the increment to the side that moved, the last
// opens the promotion choice or tests for the end of the game.
void step_move_animation();
// One frame of a take-back's slide; the last settles the take-back.
void step_takeback_animation();

#endif
