// The kept game on the desktop device (SDL's dummy drivers, scale 1): a game killed with SIGKILL
// while a person plays comes back in the window on the kept frame, pixel for pixel; one closed by
// its close box is forgotten and the next start shows the title; a kept file that cannot be
// resumed is dropped and the game starts afresh. Each run of the game is a process of its own.
#include <gtest/gtest.h>

#include <SDL.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>

#include "platform/common/fnv1a64.h"
#include "platform/device.h"
#include "platform/sdl/sdl_device.h"
#include "tests/platform/kept_run.h"
#include "tests/platform/person_game.h"
#include "tests/platform/sdl_test_device.h"
#include "tests/test_support.h"

namespace {

const PrivateFolder folder("vorlen-sdl-keep-");  // the instance lock and the kept game
const std::string kept_path = folder.file("vorlen/game.kept");
const std::string windows_path = folder.file("windows");

int frame = 0;           // frames the window has been sent in this run
int ready_fd = -1;       // where a run says that its game has been kept far enough
int kept_enough = 0;     // the kept frame it waits for
bool close_after = false;  // the run closes its window once kept far enough

// The hash of the window's pixels.
uint64_t window_hash() {
    SDL_Surface *surface = SDL_GetWindowSurface(SDL_GetWindowFromID(sdl_device_window_id()));
    if (!surface) return 0;
    return fnv1a64(static_cast<const uint8_t *>(surface->pixels), size_t(surface->pitch) * size_t(surface->h));
}

// A person's game, then d2 picked up and held. Every frame's window is noted by number; once the
// kept file has reached the frame waited for, the run says so (and closes its window when asked to).
void play_and_note() {
    ++frame;
    note_window(windows_path, frame, window_hash());
    person_clicks(frame, push_click);
    if (frame == 110) push_click(105, 195);
    if (kept_enough && kept_frame(kept_path) >= kept_enough) {
        kept_enough = 0;
        if (write(ready_fd, "k", 1) != 1) _exit(3);
        if (close_after) push_close();
    }
}

// Runs the game as a person plays it in a process of its own, until the kept file reaches
// the frame; then kills it with SIGKILL, or lets it close its window. The windows it showed,
// by frame.
std::map<int, uint64_t> run_until_kept(int frame_kept, bool close) {
    std::remove(windows_path.c_str());
    int ready[2];
    EXPECT_EQ(pipe(ready), 0);
    pid_t child = fork();
    if (child == 0) {
        close_after = close;
        ready_fd = ready[1];
        kept_enough = frame_kept;
        if (!sdl_device_start()) _exit(2);
        sdl_device_on_present(play_and_note);
        static WCHAR command_line[1] = {0};
        int code = WinMain(nullptr, nullptr, command_line, SW_SHOW);
        sdl_device_run_ended();
        sdl_device_stop();
        _exit(code);
    }
    ::close(ready[1]);
    char byte = 0;
    EXPECT_EQ(read(ready[0], &byte, 1), 1) << "the game was not kept";
    ::close(ready[0]);
    if (!close) kill(child, SIGKILL);
    int status = 0;
    waitpid(child, &status, 0);
    EXPECT_EQ(close ? WIFEXITED(status) && WEXITSTATUS(status) == 0 : WIFSIGNALED(status), true) << status;
    return noted_windows(windows_path);
}

uint64_t first_window = 0;  // the window the second start showed first

void note_first_window() {
    if (!first_window) first_window = window_hash();
    push_close();
}

// Starts the game again in this process and closes it once it has shown its first window.
void start_again() {
    first_window = 0;
    ASSERT_EQ(sdl_device_start(), 1);
    sdl_device_on_present(note_first_window);
    static WCHAR command_line[1] = {0};
    WinMain(nullptr, nullptr, command_line, SW_SHOW);
    sdl_device_run_ended();
    sdl_device_stop();
}

TEST(SdlKeep, AGameKilledDuringPlayStartsAgainWhereItWas) {
    use_dummy_device(folder.path.string());
    std::map<int, uint64_t> windows = run_until_kept(130, false);
    int kept = kept_frame(kept_path);
    ASSERT_GE(kept, 130);
    ASSERT_TRUE(windows.count(kept));
    start_again();
    EXPECT_EQ(first_window, windows[kept]) << "the window on the kept frame " << kept;
    EXPECT_FALSE(std::filesystem::exists(kept_path)) << "closing the window forgets the game";
}

// A game closed by its close box starts at the title. A kept file found wanting before anything
// plays says so once and starts at the title; one whose playback does not reach its frame starts
// the program again afresh.
TEST(SdlKeep, AGameClosedByItsCloseBoxOrThatCannotBeResumedStartsAfresh) {
    use_dummy_device(folder.path.string());
    std::map<int, uint64_t> windows = run_until_kept(70, true);
    EXPECT_FALSE(std::filesystem::exists(kept_path));
    start_again();
    EXPECT_EQ(first_window, windows[1]);

    std::filesystem::create_directories(folder.path / "vorlen");
    EXPECT_EQ(said_on_a_foreign_kept_game(kept_path, start_again), FOREIGN_KEPT_GAME_SAID);
    EXPECT_EQ(first_window, windows[1]);

    run_until_kept(70, false);
    spoil_kept_hash(kept_path);
    pid_t child = fork();
    if (child == 0) {
        sdl_device_on_restart([] { _exit(42); });
        start_again();
        _exit(0);
    }
    int status = 0;
    waitpid(child, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 42) << "started afresh";
    EXPECT_FALSE(std::filesystem::exists(kept_path));
}

}  // namespace
