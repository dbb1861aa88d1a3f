// The two chess clocks: budgets, time used, the charging of elapsed ticks and the clock strip.
#ifndef VORLEN_GAME_CLOCKS_H
#define VORLEN_GAME_CLOCKS_H

#include <cstdint>

#define MS_PER_MINUTE 60000

extern int32_t time_budget[2];  // ms allowed to each Colour; grows by the increment per move
extern int32_t time_used[2];    // ms charged to each Colour since the new game
extern uint32_t tick_base;      // tick count from which the next charge is measured
extern int32_t increment_ms;    // 0, 2000, 5000 or 9000 ms added after each move

// Adds the ticks since tick_base to the colour's time used and moves tick_base on.
void charge_clock(int colour);
// Starts measuring afresh, so the time until now is charged to nobody.
void restart_clock();
// Draws the clock strip, ends the game when a budget is used up, and presents the frame.
void draw_clocks();
// The search's node-interval hook: charges the side to move and redraws the clocks.
void charge_running_clock();

#endif
