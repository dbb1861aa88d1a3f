// The main loop and the screen transitions the screens share.
#ifndef VORLEN_GAME_MAIN_LOOP_H
#define VORLEN_GAME_MAIN_LOOP_H

#define FRAME_PAUSE_MS 30  // each pass ends with at least this pause after its work

// Loads everything, shows the title and runs screens until Quit or a close request. WinMain
// hands control to it; a test or a tool that starts WinMain without the game defines its own.
void run_game();

// One frame of the play screen: the first pending sub-state runs, then the clocks are drawn.
void play_frame();
// Presents and pumps until no tap is pending, so taps made meanwhile are thrown away.
void discard_taps();
// Ends the game when the side to move has no legal move: that side has won.
void end_game_when_stuck();
// Opens the menu over the game or the title, keeping the options to go back to.
void enter_menu();
// Opens the about screen from the game.
void enter_about();
// Clears the frame and puts the title's lower strip under it, before the title screen runs.
void show_title_panel();
// Taps on the lower panel's Quit and Menu buttons, which also work after the game has ended.
int tap_hits_quit(int x, int y);
int tap_hits_menu(int x, int y);
// One pass's pause: at least FRAME_PAUSE_MS after the pass's work, resting the processor.
void pace_frame();

#endif
