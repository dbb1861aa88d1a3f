// The menu: the four options set by tapping cells of the menu picture, New game and Back.
#ifndef VORLEN_GAME_MENU_H
#define VORLEN_GAME_MENU_H

#include "game/menu_layout.h"

#define MENU_FRAME_COLOUR 0xFFFF  // the frame around each option's chosen cell

// Draws the menu picture with the chosen cells framed, and presents it.
void draw_menu();
// One frame of the menu screen.
void menu_frame();

#endif
