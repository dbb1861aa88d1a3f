// The menu: the four options set by tapping cells of the menu picture, New game and Back.
#ifndef VORLEN_GAME_MENU_H
#define VORLEN_GAME_MENU_H

#define MENU_FRAME_COLOUR 0xFFFF  // the frame around each option's chosen cell

// A rectangle of the menu picture, both corners included.
struct MenuCell {
    int x0, y0, x1, y1;
};

// The cell of each option value, and the two buttons.
extern const MenuCell PLAYERS_CELLS[3];
extern const MenuCell TIME_CONTROL_CELLS[5];
extern const MenuCell INCREMENT_CELLS[4];
extern const MenuCell NEW_GAME_BUTTON;
extern const MenuCell BACK_BUTTON;
// The cell of a level value in the 3 x 5 grid.
MenuCell level_cell(int value);

// Draws the menu picture with the chosen cells framed, and presents it.
void draw_menu();
// One frame of the menu screen.
void menu_frame();

#endif
