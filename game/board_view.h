// The play screen: the board with its pieces, the lower panel with the sound cross,
// the result banner and the about picture; and the picture copies they are made of.
#ifndef VORLEN_GAME_BOARD_VIEW_H
#define VORLEN_GAME_BOARD_VIEW_H

#include <cstdint>

#include "game/assets.h"

#define BOARD_ROWS 240         // rows 0-239 hold the board
#define CLOCK_STRIP_TOP 240    // rows 240-259 hold the clocks
#define LOWER_PANEL_TOP 260    // rows 260-319 hold the lower panel
#define TITLE_PANEL_TOP 240    // rows 240-319 under the title screen
#define BANNER_X 8
#define BANNER_Y 77
#define SOUND_CROSS_COLOUR 0xF800

// Top-left pixel of the cell of a file or rank (file 0 at the left, rank 0 at the bottom).
inline int square_x(int file) { return PIECE_SIZE * file; }
inline int square_y(int rank) { return PIECE_SIZE * (7 - rank); }

// Copies a width x height picture onto the frame at (x, y), every pixel.
void copy_picture(const uint16_t *picture, int x, int y, int width, int height);
// The same, skipping KEY_COLOUR pixels.
void copy_picture_keyed(const uint16_t *picture, int x, int y, int width, int height);

void draw_piece(int index, int x, int y);
void draw_board();
void draw_lower_panel();
void draw_result_banner();
void show_about();

#endif
