// vorlen-monkey SEED COUNT: starts the game through WinMain on the headless device and feeds it
// COUNT random events drawn from SEED (taps on and off the screen, pen moves, keys, window
// messages, clock jumps), one after each frame, checking after every frame that the game's state
// is sound. A fault prints the seed and the event after which it was found, and exits 1.
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>

#include "engine/position.h"
#include "engine/search.h"
#include "game/assets.h"
#include "game/board_view.h"
#include "game/clocks.h"
#include "game/game_state.h"
#include "game/main_loop.h"
#include "graphics/draw.h"
#include "platform/headless/headless.h"
#include "shell/shell.h"
#include "tools/monkey/soundness.h"

namespace {

const uint32_t SMALL_JUMP_MS = 3000, LARGE_JUMP_MS = 600000;
// Keys: the four directions, the device's A, B, C and Start, and any other code.
const int KEYS[] = {VK_UP, VK_DOWN, VK_LEFT, VK_RIGHT, DEVICE_VK_A, DEVICE_VK_B, DEVICE_VK_C, DEVICE_VK_START};

unsigned long seed = 0;
long count = 0;
long events = 0;            // events fed so far
std::mt19937 random_source;
bool searching = false;     // inside the computer's search, where moves are tried in place
// What the run has seen, printed at the end: frames of each screen, of each players option in
// play, and the moves played.
long screen_frames[SCREEN_ABOUT + 1] = {}, mode_frames[3] = {}, moves_seen = 0;
int32_t last_move_count = 0;

// A whole number from least to most, both included.
long pick(long least, long most) { return std::uniform_int_distribution<long>(least, most)(random_source); }

// Ends the run with the seed and event that reproduce a fault.
[[noreturn]] void fail(const std::string &what) {
    std::printf("vorlen-monkey: seed %lu, event %ld: %s\n", seed, events, what.c_str());
    std::fflush(stdout);
    std::_Exit(1);
}

// A point's lParam: x and y as 16-bit values, as the device packs them (off-screen ones too).
LPARAM point(long x, long y) { return MAKELPARAM(uint16_t(x), uint16_t(y)); }

// A pen-down, unless the game could read it as Quit, which would end the run. A tap there is
// left out on every screen: the menu presents frames while it handles a tap, so a tap that lands
// on its New game button's lower edge may be read by the play screen that follows. Off-screen
// points count too, as the game reads their halves as unsigned.
void pen_down(long x, long y) {
    if (tap_hits_quit(uint16_t(x), uint16_t(y))) return;
    device_post(WM_LBUTTONDOWN, 1, point(x, y));
}

// A tap: pen down (when allowed) and up.
void tap(long x, long y) {
    pen_down(x, y);
    device_post(WM_LBUTTONUP, 0, point(x, y));
}

// The centre of a square holding a piece of the side to move, or of any square: taps there
// make moves happen.
void square_tap(bool own_piece) {
    int file = int(pick(0, 7)), rank = int(pick(0, 7));
    if (own_piece && side_to_move <= Black) {
        int id = int(pick(0, 15)) + (side_to_move == Black ? 16 : 0);
        if (PieceTable[id].file != CAPTURED) file = PieceTable[id].file, rank = PieceTable[id].rank;
    }
    tap(square_x(file) + PIECE_SIZE / 2, square_y(rank) + PIECE_SIZE / 2);
}

// One random event.
void feed_event() {
    long kind = pick(0, 99);
    if (kind < 40) {
        tap(pick(0, FRAME_WIDTH - 1), pick(0, FRAME_HEIGHT - 1));
    } else if (kind < 52) {
        square_tap(true);
    } else if (kind < 60) {
        square_tap(false);
    } else if (kind < 66) {  // off the screen, as far as 16 bits reach
        tap(pick(-40000, 40000), pick(-40000, 40000));
    } else if (kind < 70) {  // the pen alone: down, moved or up
        long x = pick(-20, FRAME_WIDTH + 20), y = pick(-20, FRAME_HEIGHT + 20);
        long which = pick(0, 2);
        if (which == 0) pen_down(x, y);
        else device_post(which == 1 ? WM_MOUSEMOVE : WM_LBUTTONUP, WPARAM(pick(0, 1)), point(x, y));
    } else if (kind < 78) {
        int key = pick(0, 9) == 0 ? int(pick(0, 0xFFFF)) : KEYS[pick(0, 7)];
        device_post(pick(0, 1) ? WM_KEYDOWN : WM_KEYUP, WPARAM(key), 0);
    } else if (kind < 84) {  // the window deactivated and activated, settings changed, others
        UINT messages[] = {WM_ACTIVATE, WM_ACTIVATE, WM_SETTINGCHANGE, WM_ENABLE, UINT(pick(0x0400, 0x7FFF))};
        device_post(messages[pick(0, 4)], WPARAM(pick(0, 2)), LPARAM(pick(0, 0xFFFF)));
    } else if (kind < 94) {
        headless_advance_time(uint32_t(pick(0, SMALL_JUMP_MS)));
    } else if (kind < 98) {
        headless_advance_time(uint32_t(pick(0, LARGE_JUMP_MS)));
    } else {
        headless_advance_time(uint32_t(pick(0, UINT32_MAX)));
    }
}

// Keeps the figures the run prints at the end.
void count_frame() {
    if (screen_state <= SCREEN_ABOUT) screen_frames[screen_state]++;
    if (screen_state == SCREEN_PLAY && players <= PLAYERS_PEOPLE_ONLY) mode_frames[players]++;
    int32_t moves = move_counts[White] + move_counts[Black];
    if (moves > last_move_count) moves_seen += moves - last_move_count;
    last_move_count = moves;
}

// The computer's search presents frames through this hook: the position then holds moves tried
// in place, so only the options and screens are checked during it.
void charge_while_searching() {
    searching = true;
    charge_running_clock();
    searching = false;
}

// After every frame: check, then feed the next event, or end the run once all are fed.
void on_frame(int) {
    if (node_charge_hook == charge_running_clock) node_charge_hook = charge_while_searching;
    std::string found = first_fault(!searching);
    if (!found.empty()) fail(found);
    count_frame();
    if (events == count) {
        quit_requested = 1;
        return;
    }
    events++;
    feed_event();
}

}  // namespace

int main(int argc, char **argv) {
    char *end = nullptr;
    if (argc == 3) seed = std::strtoul(argv[1], &end, 10);
    if (argc == 3 && *end == '\0') count = std::strtol(argv[2], &end, 10);
    if (argc != 3 || *end != '\0' || count < 0) {
        std::fprintf(stderr, "usage: vorlen-monkey SEED COUNT\n");
        return 2;
    }
    random_source.seed(std::mt19937::result_type(seed));
    headless_reset();
    headless_record_frames(false);
    headless_add_game_folders(VORLEN_BIN_DIR);
    headless_on_frame(on_frame);
    WinMain(nullptr, nullptr, nullptr, SW_SHOW);
    if (events < count) fail("the game ended before the run did");
    if (headless_open_file_count() != 0) fail("files left open at the end");
    std::printf("vorlen-monkey: seed %lu, %ld events, %ld moves; frames on title %ld, menu %ld, about %ld, "
                "play %ld (computer only %ld, person as White %ld, people only %ld)\n",
                seed, events, moves_seen, screen_frames[SCREEN_TITLE], screen_frames[SCREEN_MENU],
                screen_frames[SCREEN_ABOUT], screen_frames[SCREEN_PLAY], mode_frames[PLAYERS_COMPUTER_ONLY],
                mode_frames[PLAYERS_PERSON_WHITE], mode_frames[PLAYERS_PEOPLE_ONLY]);
    return 0;
}
