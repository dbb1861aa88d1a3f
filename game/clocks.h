// The two chess clocks: budgets, time used, the charging of elapsed ticks and the clock strip.
#ifndef VORLEN_GAME_CLOCKS_H
#define VORLEN_GAME_CLOCKS_H

#define MS_PER_MINUTE 60000

// Adds the ticks since tick_base to the colour's time used and moves tick_base on.
void charge_clock(int colour);
// Starts measuring afresh, so the time until now is charged to nobody.
void restart_clock();
// Draws the clock strip, ends the game when a budget is used up, and presents the frame.
void draw_clocks();
// The search's node-interval hook: charges the side to move and redraws the clocks.
void charge_running_clock();

#endif
