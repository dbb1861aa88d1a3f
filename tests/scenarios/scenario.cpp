// The scenario harness: a script of steps driven by the headless device's frame callback.
#include "tests/scenarios/scenario.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <deque>
#include <vector>

#include "engine/captures.h"
#include "shell/shell.h"

namespace {

struct Step {
    std::function<bool()> ready;
    std::function<void()> action;
};

std::deque<Step> steps;                       // steps still to run
std::vector<std::function<void()>> watchers;  // run on every frame
int frame_limit = 0;                          // frames after which the harness stops the game
// Passes of the main loop are told apart by the pause that ends each: its Sleep calls.
size_t calls_scanned = 0;                      // platform calls already looked at
int passes_ended = 0, passes_at_last_frame = 0;
// The last posted tap: 0 settled, 1 waiting to be read, 2 read in pass passes_when_read.
int tap_phase = 0, passes_when_read = 0;

// 1 once the last posted tap has been read and the pass that read it has ended.
bool tap_settled() {
    if (tap_phase == 1 && device_queue_size() == 0 && input_state.tap_consumed != 0) {
        tap_phase = 2;
        passes_when_read = passes_ended;
        return false;
    }
    if (tap_phase == 2 && passes_ended != passes_when_read) tap_phase = 0;
    return tap_phase == 0;
}

// The frame callback: watchers on every frame; the next step on the first frame of a pass
// (the previous pass's work is then complete), once its moment has come.
void on_frame(int frame_number) {
    for (auto &watch : watchers) watch();
    const auto &calls = headless_calls();
    for (; calls_scanned < calls.size(); calls_scanned++) passes_ended += calls[calls_scanned] == "Sleep";
    bool new_pass = passes_ended != passes_at_last_frame;
    passes_at_last_frame = passes_ended;
    if (frame_number == frame_limit)
        ADD_FAILURE() << "frame limit reached with " << steps.size() << " steps left on screen "
                      << (int)screen_state;
    bool due = tap_settled() && new_pass;
    if (frame_number >= frame_limit || (due && steps.empty())) quit_requested = 1;
    if (quit_requested || !due || !steps.front().ready()) return;
    Step step = steps.front();
    steps.pop_front();
    step.action();
}

// 1 when the play screen waits for nothing but the side to move.
bool idle() {
    return screen_state == SCREEN_PLAY && takeback_pending == 0 && animation_pending == 0 &&
           promotion_pending == 0 && game_over == 0;
}

}  // namespace

void start_device() {
    headless_reset();
    headless_add_game_folders(VORLEN_BIN_DIR);
    steps.clear();
    watchers.clear();
    calls_scanned = 0;
    passes_ended = passes_at_last_frame = tap_phase = 0;
}

void when(std::function<bool()> ready, std::function<void()> action) {
    steps.push_back(Step{std::move(ready), std::move(action)});
}
void then(std::function<void()> action) { when([] { return true; }, std::move(action)); }
void hold() { when([] { return false; }, [] {}); }
void every_frame(std::function<void()> fn) { watchers.push_back(std::move(fn)); }

size_t run_scenario(int limit) {
    frame_limit = limit;
    headless_on_frame(on_frame);
    WinMain(nullptr, nullptr, nullptr, SW_SHOW);
    headless_on_frame(nullptr);
    return steps.size();
}

void tap(int x, int y) {
    headless_tap(x, y);
    tap_phase = 1;
}
void tap_square(int file, int rank) { tap(square_x(file) + 15, square_y(rank) + 15); }
void tap_cell(const MenuCell &cell) { tap((cell.x0 + cell.x1) / 2, (cell.y0 + cell.y1) / 2); }

bool awaiting_person() { return idle() && is_person_to_move(); }
bool awaiting_computer() { return idle() && !is_person_to_move(); }
bool title_running() { return screen_state == SCREEN_TITLE && spin_angle != 0; }

void tap_cells(std::initializer_list<MenuCell> cells) {
    for (const MenuCell &cell : cells) then([=] { tap_cell(cell); });
}

void choose_options(int players_value, int level_value, int time_value, int increment_value) {
    tap_cells({PLAYERS_CELLS[players_value], level_cell(level_value), TIME_CONTROL_CELLS[time_value],
               INCREMENT_CELLS[increment_value], NEW_GAME_BUTTON});
}

void start_game(int players_value, int level_value, int time_value, int increment_value) {
    when(title_running, [] { tap(120, 280); });
    choose_options(players_value, level_value, time_value, increment_value);
}

void play_move(int from_file, int from_rank, int to_file, int to_rank) {
    when(awaiting_person, [=] { tap_square(from_file, from_rank); });
    then([=] { tap_square(to_file, to_rank); });
}

uint16_t display_pixel(int x, int y) {
    const uint8_t *pixel = device_display_origin() + y * 480 + x * 2;
    return (uint16_t)(pixel[0] | pixel[1] << 8);
}

bool picture_shown(const uint16_t *picture, int x, int y, int width, int height, bool keyed) {
    for (int i = 0; i < width * height; i++)
        if ((!keyed || picture[i] != KEY_COLOUR) && display_pixel(x + i % width, y + i / width) != picture[i])
            return false;
    return true;
}

bool board_shown() {
    std::vector<uint16_t> expected(board_picture, board_picture + BOARD_SIZE * BOARD_SIZE);
    for (const PieceRecord &piece : PieceTable) {
        if (piece.file == CAPTURED) continue;
        const uint16_t *picture = piece_pictures[piece.kind + 6 * piece.colour];
        size_t corner = (size_t)(square_y(piece.rank) * BOARD_SIZE + square_x(piece.file));
        for (int i = 0; i < PIECE_SIZE * PIECE_SIZE; i++)
            if (picture[i] != KEY_COLOUR)
                expected[corner + (size_t)(i / PIECE_SIZE * BOARD_SIZE + i % PIECE_SIZE)] = picture[i];
    }
    return picture_shown(expected.data(), 0, 0, BOARD_SIZE, BOARD_SIZE, false);
}

bool banner_shown(const uint16_t *picture) {
    return picture_shown(picture, BANNER_X, BANNER_Y, BANNER_WIDTH, BANNER_HEIGHT, true);
}

bool lower_panel_shown() {
    return picture_shown(panel2_picture, 0, LOWER_PANEL_TOP, FRAME_WIDTH, PANEL_HEIGHT, false);
}

bool everything_released() {
    const uint16_t *const pictures[] = {about_picture, greenwin_picture, bluewin_picture, panel1_picture,
                                        panel2_picture, panel3_picture, panel4_picture, board_picture,
                                        front_picture, background_copy};
    const auto &calls = headless_calls();
    return std::count(pictures, pictures + 10, nullptr) == 10 &&
           std::count(piece_pictures, piece_pictures + PIECE_PICTURE_COUNT, nullptr) == PIECE_PICTURE_COUNT &&
           headless_open_file_count() == 0 && std::count(calls.begin(), calls.end(), "GXCloseDisplay") > 0;
}

int sounds_named(const std::u16string &name) {
    const auto &sounds = headless_sounds();
    return (int)std::count_if(sounds.begin(), sounds.end(), [&](const HeadlessSound &sound) {
        size_t size = sound.path.size();
        if (name.empty() || size < name.size()) return size == name.size();
        return sound.path.compare(size - name.size(), name.size(), name) == 0;
    });
}

void set_position(std::initializer_list<PlacedPiece> pieces) {
    for (int square = 0; square < SQUARE_COUNT; square++) BoardMap[square] = EMPTY_SQUARE;
    for (PieceRecord &piece : PieceTable) piece.file = CAPTURED;
    for (const PlacedPiece &p : pieces)
        place_piece((int8_t)p.id, (int8_t)p.file, (int8_t)p.rank, (int8_t)p.colour, (int8_t)p.kind);
    side_to_move = White;
    generate_captures(1);
    draw_board();
}
