// The game's shared variables: which screen runs, the four options and their saved copies, and
// the flags of the play screen's sub-states. One instance each, for the whole run.
#ifndef VORLEN_GAME_GAME_STATE_H
#define VORLEN_GAME_GAME_STATE_H

#include <cstdint>

#define SCREEN_PLAY 0
#define SCREEN_MENU 1
#define SCREEN_TITLE 2
#define SCREEN_ABOUT 4

#define PLAYERS_COMPUTER_ONLY 0  // the computer plays both sides
#define PLAYERS_PERSON_WHITE 1   // a person plays White, the computer Black
#define PLAYERS_PEOPLE_ONLY 2    // people play both sides

#define TIME_CONTROL_UNTIMED 4   // time_control value with no budget and no time-out

extern uint8_t screen_state;       // SCREEN_PLAY, SCREEN_MENU, SCREEN_TITLE or SCREEN_ABOUT
extern uint8_t quit_requested;     // 1 ends the main loop
extern uint8_t game_over;          // 0 the game runs; 1 White has won; 2 Black has won
extern uint8_t promotion_pending;  // 1 while the promotion panel waits for a choice
extern uint8_t animation_pending;  // 1 while a move slides
extern uint8_t takeback_pending;   // 1 while a take-back slides

extern uint8_t players;            // PLAYERS_COMPUTER_ONLY..PLAYERS_PEOPLE_ONLY
extern uint8_t time_control;       // 0..3: (value + 1) minutes each; 4 untimed
extern uint8_t increment_option;   // 0..3: 0, 2, 5 or 9 seconds added after each move
extern uint8_t saved_players, saved_level, saved_time_control, saved_increment_option;

// 1 when the side to move is played by a person under the current players option.
int is_person_to_move();
// Copies the four options into their saved copies, done whenever the menu or about screen opens.
void save_options();
// Puts level, time control and increment back from their saved copies; players stays in force.
void restore_options();

#endif
