// Where the menu picture's option cells and buttons lie: the rectangles the game tests taps
// against and frames in white, and on which the art generator paints the cells.
#ifndef VORLEN_GAME_MENU_LAYOUT_H
#define VORLEN_GAME_MENU_LAYOUT_H

#include "game/screen_rect.h"

using MenuCell = ScreenRect;  // an option cell or a button of the menu

// The cell of each value of players (0..2), time_control (0..4) and increment_option (0..3).
inline constexpr MenuCell PLAYERS_CELLS[3] = {
    {159, 43, 176, 60}, {182, 43, 200, 60}, {204, 43, 223, 60}};
inline constexpr MenuCell TIME_CONTROL_CELLS[5] = {
    {118, 71, 135, 87}, {136, 71, 154, 87}, {155, 71, 174, 87}, {175, 71, 192, 87},
    {193, 71, 224, 87}};
inline constexpr MenuCell INCREMENT_CELLS[4] = {
    {142, 98, 161, 115}, {162, 98, 183, 115}, {184, 98, 205, 115}, {206, 98, 223, 115}};
inline constexpr MenuCell NEW_GAME_BUTTON = {19, 262, 95, 300};
inline constexpr MenuCell BACK_BUTTON = {126, 262, 216, 300};

// The level grid: three rows of five, x0..x1 of each column and y0..y1 of each row.
inline constexpr int LEVEL_COLUMNS = 5;
inline constexpr int LEVEL_ROWS = 3;
inline constexpr int LEVEL_COLUMN_X[LEVEL_COLUMNS][2] = {
    {102, 123}, {126, 149}, {154, 175}, {179, 198}, {204, 224}};
inline constexpr int LEVEL_ROW_Y[LEVEL_ROWS][2] = {{153, 173}, {182, 202}, {208, 228}};

// The cell of a level value: grid row value / 5, grid column value mod 5.
constexpr MenuCell level_cell(int value) {
    return {LEVEL_COLUMN_X[value % LEVEL_COLUMNS][0], LEVEL_ROW_Y[value / LEVEL_COLUMNS][0],
            LEVEL_COLUMN_X[value % LEVEL_COLUMNS][1], LEVEL_ROW_Y[value / LEVEL_COLUMNS][1]};
}

#endif
