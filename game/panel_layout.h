// Where the lower panel's buttons lie on the play screen (rows 260-319): the rectangles in which
// the game accepts taps for them, and inside which the art generator paints them.
#ifndef VORLEN_GAME_PANEL_LAYOUT_H
#define VORLEN_GAME_PANEL_LAYOUT_H

#include "game/screen_rect.h"

inline constexpr ScreenRect MENU_BUTTON = {16, 264, 104, 285};
inline constexpr ScreenRect TAKE_BACK_BUTTON = {126, 264, 209, 285};
inline constexpr ScreenRect QUIT_BUTTON = {31, 291, 89, 319};
inline constexpr ScreenRect ABOUT_BUTTON = {126, 291, 209, 319};
inline constexpr ScreenRect SOUND_BUTTON = {223, 303, 239, 319};  // the speaker in the corner

inline constexpr int PANEL_RIGHT = 239;   // the screen's last column and row
inline constexpr int PANEL_BOTTOM = 319;

// Whether a tap lands on a panel button. A tap beyond the screen's right or bottom edge counts
// as on that edge, so the buttons along those edges reach as far as the screen does.
constexpr bool panel_button_hit(const ScreenRect &button, int x, int y) {
    return rect_holds(button, x < PANEL_RIGHT ? x : PANEL_RIGHT, y < PANEL_BOTTOM ? y : PANEL_BOTTOM);
}

#endif
