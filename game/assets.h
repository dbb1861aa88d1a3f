// Every picture of the game, read once at the start of the main loop and kept in RGB565, and the
// animation's copy of the board.
#ifndef VORLEN_GAME_ASSETS_H
#define VORLEN_GAME_ASSETS_H

#include <cstdint>

#define PIECE_PICTURE_COUNT 12  // kind + 6 x colour
#define PIECE_SIZE 30           // a piece picture and a board square are 30 x 30
#define BOARD_SIZE 240          // the board and the title picture are 240 x 240
#define PANEL_HEIGHT 60         // the lower panel and the promotion panel
#define TITLE_PANEL_HEIGHT 80   // the strip under the title screen
#define BANNER_WIDTH 224
#define BANNER_HEIGHT 100

extern uint16_t *about_picture;      // 240 x 320, the about screen
extern uint16_t *greenwin_picture;   // 224 x 100, White has won
extern uint16_t *bluewin_picture;    // 224 x 100, Black has won
extern uint16_t *panel1_picture;     // 240 x 60, behind the promotion choices
extern uint16_t *panel2_picture;     // 240 x 60, the lower control panel
extern uint16_t *panel3_picture;     // 240 x 320, the menu
extern uint16_t *panel4_picture;     // 240 x 80, under the title
extern uint16_t *board_picture;      // 240 x 240, the board and the title's texture
extern uint16_t *front_picture;      // 240 x 240, the title with KEY_COLOUR windows
extern uint16_t *piece_pictures[PIECE_PICTURE_COUNT];  // 30 x 30 each
extern uint16_t *background_copy;    // 240 x 320: the board without the travelling piece
extern uint16_t *frame;              // the shell's BackBuffer, kept at load time

void load_assets();
void release_assets();

#endif
