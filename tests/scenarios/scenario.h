// Scenario harness: starts the game from WinMain on the headless device with the generated
// pictures and sounds, plays a script of taps step by step as frames are presented, and offers
// what a test needs to check what the player sees and hears.
#ifndef VORLEN_TESTS_SCENARIO_H
#define VORLEN_TESTS_SCENARIO_H

#include <cstdint>
#include <functional>
#include <string>

#define SCENARIO_FRAME_LIMIT 20000

// Resets the device and gives it the game's Graph and Sound folders.
void start_device();

// Queues a step: once ready() holds on the first frame a pass of the main loop presents (and
// the pass that read the previous step's tap has ended), action() runs. Steps run in order, at
// most one per pass.
void when(std::function<bool()> ready, std::function<void()> action);
// Runs fn on every presented frame, before the steps.
void every_frame(std::function<void()> fn);
// Runs WinMain until it returns; once every step has run the harness asks the game to quit,
// and after frame_limit frames it does the same and reports the script unfinished.
struct ScenarioResult {
    bool finished;   // every step ran
    int frames;      // frames presented
    bool limit_hit;  // the harness stopped the game at the frame limit
};
ScenarioResult run_scenario(int frame_limit = SCENARIO_FRAME_LIMIT);

// Input.
void tap(int x, int y);
void tap_square(int file, int rank);
struct MenuCell;
void tap_cell(const MenuCell &cell);  // its centre
void tap_quit();
void tap_menu();
void tap_takeback();
void tap_about();
void tap_sound();
void tap_new_game();
void tap_back();

// States a step waits for.
bool on_screen(int screen);
bool awaiting_person();    // a person's turn with nothing pending
bool awaiting_computer();  // the computer is about to move
bool title_running();      // the title screen has drawn a frame
bool always();
bool never();

// Starts a game from the title with the options given (players, level, time control,
// increment) by tapping through the menu.
void start_game(int players_value, int level_value, int time_value, int increment_value);

// The display as the player sees it (16-bit packed, as the device starts).
uint16_t display_pixel(int x, int y);
// 1 when the board area of the display shows the board picture with every piece where the
// position puts it.
bool board_shown();
// 1 when the display's rectangle equals the picture placed at (x, y), keyed pixels skipped
// when keyed.
bool picture_shown(const uint16_t *picture, int x, int y, int width, int height, bool keyed);

// Sounds played so far whose file name ends with name ("select.wav"); stop calls have no name.
int sounds_named(const std::u16string &name);
int stop_sound_calls();
size_t sound_call_count();

// Replaces the position by the pieces given (id, file, rank, colour, kind) with White to move
// and redraws the board; for setting up endings and promotions.
struct PlacedPiece {
    int id, file, rank, colour, kind;
};
void set_position(const PlacedPiece *pieces, int count, int to_move);

#endif
