// The scenario harness: a script of steps driven by the headless device's frame callback.
#include "tests/scenarios/scenario.h"

#include <gtest/gtest.h>

#include <deque>
#include <vector>

#include "engine/captures.h"
#include "engine/position.h"
#include "game/assets.h"
#include "game/board_view.h"
#include "game/game_state.h"
#include "game/menu.h"
#include "game/title.h"
#include "graphics/draw.h"
#include "platform/headless/headless.h"
#include "shell/shell.h"

namespace {

// A step of the script.
struct Step {
    std::function<bool()> ready;
    std::function<void()> action;
};

std::deque<Step> steps;                            // steps still to run
std::vector<std::function<void()>> frame_watchers; // run on every frame
int scenario_frame_limit = 0;
bool limit_hit = false;

// Passes of the main loop are told apart by the pause that ends each: its Sleep calls.
size_t calls_scanned = 0;  // platform calls already looked at
int passes_ended = 0;      // Sleep calls seen so far
int passes_at_last_frame = 0;

// A posted tap: waiting in the queue or the input state, then read by the game.
bool tap_in_flight = false;
bool tap_read = false;
int passes_when_read = 0;

// Counts the pauses recorded since the last look.
void count_pauses() {
    const auto &calls = headless_calls();
    for (; calls_scanned < calls.size(); calls_scanned++)
        if (calls[calls_scanned] == "Sleep") passes_ended++;
}

// 1 once the posted tap has been read and the pass that read it has ended.
bool tap_settled() {
    if (!tap_in_flight) return true;
    if (!tap_read) {
        if (headless_queued_messages() > 0 || input_state.tap_consumed == 0) return false;
        tap_read = true;
        passes_when_read = passes_ended;
        return false;
    }
    if (passes_ended == passes_when_read) return false;
    tap_in_flight = false;
    return true;
}

// The frame callback: watchers on every frame; the next step on the first frame of a pass
// (the previous pass's work is then complete), once its moment has come.
void on_frame(int frame_number) {
    for (auto &watch : frame_watchers) watch();
    count_pauses();
    bool new_pass = passes_ended != passes_at_last_frame;
    passes_at_last_frame = passes_ended;
    if (frame_number >= scenario_frame_limit) {
        if (!limit_hit)
            ADD_FAILURE() << "frame limit reached with " << steps.size() << " steps left; screen "
                          << (int)screen_state << ", side " << side_to_move << ", tap in flight "
                          << tap_in_flight;
        limit_hit = true;
        quit_requested = 1;
        return;
    }
    if (!tap_settled() || !new_pass) return;
    if (steps.empty()) {
        quit_requested = 1;
        return;
    }
    if (!steps.front().ready()) return;
    Step step = steps.front();
    steps.pop_front();
    step.action();
}

}  // namespace

void start_device() {
    headless_reset();
    headless_add_host_folder(u"\\vorlen\\Graph\\", std::string(VORLEN_BIN_DIR) + "/Graph");
    headless_add_host_folder(u"\\vorlen\\Sound\\", std::string(VORLEN_BIN_DIR) + "/Sound");
    steps.clear();
    frame_watchers.clear();
    calls_scanned = 0;
    passes_ended = passes_at_last_frame = 0;
    tap_in_flight = tap_read = false;
    limit_hit = false;
}

void when(std::function<bool()> ready, std::function<void()> action) {
    steps.push_back(Step{std::move(ready), std::move(action)});
}

void every_frame(std::function<void()> fn) { frame_watchers.push_back(std::move(fn)); }

ScenarioResult run_scenario(int frame_limit) {
    scenario_frame_limit = frame_limit;
    headless_on_frame(on_frame);
    WinMain(nullptr, nullptr, nullptr, SW_SHOW);
    headless_on_frame(nullptr);
    return ScenarioResult{!limit_hit && steps.empty(), headless_frame_count(), limit_hit};
}

void tap(int x, int y) {
    headless_tap(x, y);
    tap_in_flight = true;
    tap_read = false;
}

void tap_cell(const MenuCell &cell) { tap((cell.x0 + cell.x1) / 2, (cell.y0 + cell.y1) / 2); }

void tap_square(int file, int rank) { tap(square_x(file) + 15, square_y(rank) + 15); }
void tap_quit() { tap(60, 305); }
void tap_menu() { tap(60, 275); }
void tap_takeback() { tap(167, 275); }
void tap_about() { tap(167, 305); }
void tap_sound() { tap(231, 311); }
void tap_new_game() { tap_cell(NEW_GAME_BUTTON); }
void tap_back() { tap_cell(BACK_BUTTON); }

bool on_screen(int screen) { return screen_state == screen; }

bool awaiting_person() {
    return screen_state == SCREEN_PLAY && takeback_pending == 0 && animation_pending == 0 &&
           promotion_pending == 0 && game_over == 0 && is_person_to_move();
}

bool awaiting_computer() {
    return screen_state == SCREEN_PLAY && takeback_pending == 0 && animation_pending == 0 &&
           promotion_pending == 0 && game_over == 0 && !is_person_to_move();
}

bool title_running() { return screen_state == SCREEN_TITLE && spin_angle != 0; }

bool always() { return true; }

bool never() { return false; }

void start_game(int players_value, int level_value, int time_value, int increment_value) {
    when(title_running, [] { tap(120, 280); });
    when([] { return on_screen(SCREEN_MENU); }, [=] { tap_cell(PLAYERS_CELLS[players_value]); });
    when(always, [=] { tap_cell(level_cell(level_value)); });
    when(always, [=] { tap_cell(TIME_CONTROL_CELLS[time_value]); });
    when(always, [=] { tap_cell(INCREMENT_CELLS[increment_value]); });
    when(always, [] { tap_new_game(); });
}

uint16_t display_pixel(int x, int y) {
    const uint8_t *origin = headless_display_origin();
    const uint8_t *pixel = origin + y * 480 + x * 2;
    return (uint16_t)(pixel[0] | pixel[1] << 8);
}

bool picture_shown(const uint16_t *picture, int x, int y, int width, int height, bool keyed) {
    for (int row = 0; row < height; row++) {
        for (int column = 0; column < width; column++) {
            uint16_t value = picture[row * width + column];
            if (keyed && value == KEY_COLOUR) continue;
            if (display_pixel(x + column, y + row) != value) return false;
        }
    }
    return true;
}

bool board_shown() {
    std::vector<uint16_t> expected(board_picture, board_picture + BOARD_SIZE * BOARD_SIZE);
    for (int id = 0; id < PIECE_COUNT; id++) {
        const PieceRecord &piece = PieceTable[id];
        if (piece.file == CAPTURED) continue;
        const uint16_t *picture = piece_pictures[piece.kind + 6 * piece.colour];
        for (int row = 0; row < PIECE_SIZE; row++) {
            for (int column = 0; column < PIECE_SIZE; column++) {
                uint16_t value = picture[row * PIECE_SIZE + column];
                if (value == KEY_COLOUR) continue;
                expected[(square_y(piece.rank) + row) * BOARD_SIZE + square_x(piece.file) + column] = value;
            }
        }
    }
    return picture_shown(expected.data(), 0, 0, BOARD_SIZE, BOARD_SIZE, false);
}

// File name at the end of a sound path.
static bool ends_with(const std::u16string &path, const std::u16string &name) {
    return path.size() >= name.size() && path.compare(path.size() - name.size(), name.size(), name) == 0;
}

int sounds_named(const std::u16string &name) {
    int count = 0;
    for (const HeadlessSound &sound : headless_sounds())
        if (ends_with(sound.path, name)) count++;
    return count;
}

int stop_sound_calls() {
    int count = 0;
    for (const HeadlessSound &sound : headless_sounds())
        if (sound.path.empty()) count++;
    return count;
}

size_t sound_call_count() { return headless_sounds().size(); }

void set_position(const PlacedPiece *pieces, int count, int to_move) {
    for (int square = 0; square < SQUARE_COUNT; square++) BoardMap[square] = EMPTY_SQUARE;
    for (int id = 0; id < PIECE_COUNT; id++) PieceTable[id].file = CAPTURED;
    for (int i = 0; i < count; i++) {
        const PlacedPiece &p = pieces[i];
        place_piece((int8_t)p.id, (int8_t)p.file, (int8_t)p.rank, (int8_t)p.colour, (int8_t)p.kind);
    }
    side_to_move = to_move;
    generate_captures(1);
    draw_board();
}
