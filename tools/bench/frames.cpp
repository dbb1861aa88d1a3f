// Prints the work time of three kinds of frame on this machine: a title frame, a play frame on
// a person's turn (a piece selected, so its frame flashes) and a frame of a move's slide. Each
// is run many times from inside a running game on the headless device, presentation included;
// the 30 ms pause that follows every frame is not part of the figure.
#include <chrono>
#include <cstdio>
#include <string>

#include "game/game_state.h"
#include "game/main_loop.h"
#include "game/title.h"
#include "platform/headless/headless.h"

namespace {

#define RUNS 2000
#define SETTLE_FRAMES 4

int phase = 0;            // 0 title, 1 menu, 2 first move, 3 selection, 4 slide, 5 done
int last_action_frame = 0;
bool measuring = false;   // frames presented by the measured calls are not acted on
double title_us = 0, play_us = 0, slide_us = 0;

// Mean microseconds of one call of frame_work over RUNS runs.
template <typename Work> double time_frames(Work frame_work) {
    measuring = true;
    auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < RUNS; i++) frame_work();
    auto end = std::chrono::steady_clock::now();
    measuring = false;
    return std::chrono::duration<double, std::micro>(end - start).count() / RUNS;
}

// A person's turn with nothing pending.
bool person_to_move() {
    return screen_state == SCREEN_PLAY && animation_pending == 0 && takeback_pending == 0 &&
           promotion_pending == 0 && game_over == 0 && is_person_to_move();
}

// Walks the game to each kind of frame and measures it there.
void on_frame(int frame) {
    if (measuring || frame - last_action_frame < SETTLE_FRAMES) return;
    last_action_frame = frame;
    if (phase == 0 && screen_state == SCREEN_TITLE && spin_angle > 0) {
        title_us = time_frames(title_frame);
        headless_tap(120, 290);
        phase = 1;
    } else if (phase == 1 && screen_state == SCREEN_MENU) {
        headless_tap(57, 281);
        phase = 2;
    } else if (phase == 2 && person_to_move()) {
        headless_tap(135, 195);  // select e2
        phase = 3;
    } else if (phase == 3) {
        play_us = time_frames(play_frame);
        headless_tap(135, 165);  // e2-e3
        phase = 4;
    } else if (phase == 4 && animation_pending == 1 && anim_step < 10) {
        // The same slide step again and again: each run copies the board and draws the piece.
        int step = anim_step;
        slide_us = time_frames([step] {
            anim_step = step;
            play_frame();
        });
        phase = 5;
        quit_requested = 1;
    }
}

}  // namespace

int main() {
    headless_reset();
    headless_record_frames(false);
    headless_add_game_folders(VORLEN_BIN_DIR);
    headless_on_frame(on_frame);
    WinMain(nullptr, nullptr, nullptr, SW_SHOW);
    if (phase != 5) {
        std::fprintf(stderr, "the game did not reach every kind of frame\n");
        return 1;
    }
    std::printf("work per frame, presentation included (mean of %d):\n", RUNS);
    std::printf("  title frame      %8.1f us\n", title_us);
    std::printf("  play frame       %8.1f us\n", play_us);
    std::printf("  animation frame  %8.1f us\n", slide_us);
    return 0;
}
