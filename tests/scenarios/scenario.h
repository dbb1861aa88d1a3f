// Scenario harness: runs the game from WinMain on the headless device with the generated pictures
// and sounds, plays a script of steps as frames are presented, and reads what the player sees and
// hears. It brings in the game's state, which the scripts read.
#ifndef VORLEN_TESTS_SCENARIO_H
#define VORLEN_TESTS_SCENARIO_H

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

#include "engine/position.h"
#include "game/assets.h"
#include "game/board_view.h"
#include "game/clocks.h"
#include "game/game_state.h"
#include "game/menu.h"
#include "game/panel_layout.h"
#include "graphics/draw.h"
#include "platform/headless/headless.h"

#define SCENARIO_FRAME_LIMIT 20000

// Resets the device, gives it the game's Graph and Sound folders and forgets the last script.
void start_device();
// Queues a step: action() runs on the first frame of a pass once ready() holds and the pass that
// read the previous step's tap has ended. Steps run in order, at most one per pass.
void when(std::function<bool()> ready, std::function<void()> action);
void then(std::function<void()> action);  // a step ready at once
void hold();                              // a step never ready: only the game can end the run
// Runs fn on every presented frame, before the steps.
void every_frame(std::function<void()> fn);
// Runs WinMain until it returns and gives the number of steps never run. Once every step has run
// the harness asks the game to quit; at frame_limit it does the same and fails the test.
size_t run_scenario(int frame_limit = SCENARIO_FRAME_LIMIT);

// Input: a tap on a pixel, a square's centre, a cell's or a button's centre, the lower panel's buttons.
void tap(int x, int y);
void tap_square(int file, int rank);
void tap_cell(const MenuCell &cell);
void tap_cells(std::initializer_list<MenuCell> cells);  // one step each
inline void tap_menu() { tap_cell(MENU_BUTTON); }
inline void tap_takeback() { tap_cell(TAKE_BACK_BUTTON); }
inline void tap_quit() { tap_cell(QUIT_BUTTON); }
inline void tap_about() { tap_cell(ABOUT_BUTTON); }
inline void tap_sound() { tap_cell(SOUND_BUTTON); }

// States a step waits for: the play screen with nothing sliding, promoting or ended, and the
// side to move played by a person or by the computer; the title screen drawing.
bool awaiting_person();
bool awaiting_computer();
bool title_running();

// Queues the taps choosing the options on the menu and New game; start_game opens the menu
// from the title first.
void choose_options(int players_value, int level_value, int time_value, int increment_value);
void start_game(int players_value, int level_value, int time_value, int increment_value);
// Queues a person's move: the tap on the piece once a person is to move, then on its target.
void play_move(int from_file, int from_rank, int to_file, int to_rank);

// The display as the player sees it (16-bit packed, as the device starts).
uint16_t display_pixel(int x, int y);
// 1 when the display's rectangle equals the picture placed at (x, y), keyed pixels skipped
// when keyed.
bool picture_shown(const uint16_t *picture, int x, int y, int width, int height, bool keyed);
// 1 when the board area shows the board picture with every piece where the position puts it;
// when the lower panel shows its picture; when a result banner shows over the board.
bool board_shown();
bool lower_panel_shown();
bool banner_shown(const uint16_t *picture);

// 1 when every picture buffer and file of the game has been given back and the display closed.
bool everything_released();

// Sounds played so far whose file name ends with name ("select.wav"); "" counts the stop calls.
int sounds_named(const std::u16string &name);

// Replaces the position by the pieces given with White to move and redraws the board.
struct PlacedPiece {
    int id, file, rank, colour, kind;
};
void set_position(std::initializer_list<PlacedPiece> pieces);

#endif
