// The title screen: the title picture with the board spinning, zooming and swaying behind its
// windows; a tap on the strip below opens the menu.
#ifndef VORLEN_GAME_TITLE_H
#define VORLEN_GAME_TITLE_H

extern int spin_angle;    // whole degrees 0..359: turn and zoom of the board
extern int sway_angle_u;  // whole degrees 0..359: sideways sway
extern int sway_angle_v;  // whole degrees 0..359: up and down sway

// One frame of the title screen.
void title_frame();

#endif
