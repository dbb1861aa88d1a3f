// A rectangle of the screen in which the game accepts taps for a button or an option cell.
// Both corners belong to it.
#ifndef VORLEN_GAME_SCREEN_RECT_H
#define VORLEN_GAME_SCREEN_RECT_H

struct ScreenRect {
    int x0, y0, x1, y1;
};

// Whether the point lies in the rectangle, edges included.
constexpr bool rect_holds(const ScreenRect &r, int x, int y) { return x >= r.x0 && x <= r.x1 && y >= r.y0 && y <= r.y1; }

#endif
