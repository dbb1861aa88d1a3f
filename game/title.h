// The title screen: the title picture with the board spinning, zooming and swaying behind its
// windows; a tap on the strip below opens the menu.
#ifndef VORLEN_GAME_TITLE_H
#define VORLEN_GAME_TITLE_H

// One frame of the title screen.
void title_frame();

#endif
