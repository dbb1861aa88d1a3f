// The kept game on the Windows device, in its real window under Wine (scale 1): a game ended as
// Task Manager ends it while a person plays comes back in the window on the kept frame, pixel
// for pixel; one closed by its close box is forgotten and the next start shows the title; a kept
// game that cannot be resumed is dropped and the program starts afresh. Each run that must end
// abruptly is this program again, running one test alone.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>

#include "platform/common/fnv1a64.h"
#include "platform/device.h"
#include "platform/win32/win32_device.h"
#include "tests/platform/kept_run.h"
#include "tests/platform/person_game.h"
#include "tests/platform/win32_window.h"

namespace {

// A private %LOCALAPPDATA% for the kept game (shared with the runs this program starts).
const std::filesystem::path folder = std::filesystem::temp_directory_path() / "vorlen-win32-keep";

std::string kept_path() { return (folder / "vorlen" / "game.kept").string(); }
std::string windows_path() { return (folder / "windows").string(); }

void set_variable(const char *name, const char *value) { _putenv_s(name, value ? value : ""); }

// The device keeps its game in the private folder and shows it at scale 1.
void use_private_folder() {
    std::filesystem::create_directories(folder);
    set_variable("LOCALAPPDATA", folder.string().c_str());
    set_variable("VORLEN_SCALE", "1");
}

// The hash of the window's pixels.
uint64_t window_hash() {
    int width = 0, height = 0;
    std::vector<uint32_t> pixels = window_pixels(&width, &height);
    return fnv1a64(reinterpret_cast<const uint8_t *>(pixels.data()), pixels.size() * sizeof pixels[0]);
}

// Runs the game until WinMain returns, calling watch after every presented frame.
void run_game(void (*watch)()) {
    ASSERT_EQ(win32_device_start(), 1);
    win32_device_on_present(watch);
    static WCHAR command_line[1] = {0};
    WinMain(nullptr, nullptr, command_line, SW_SHOW);
    win32_device_on_present(nullptr);
    win32_device_run_ended();
    win32_device_stop();
}

int frame = 0;  // frames presented in this run

// A person's game, then d2 picked up and held. Every frame's window is noted by number; once the
// kept file has reached VORLEN_TEST_KEEP_UNTIL's frame, the run ends abruptly, or by its close box
// with VORLEN_TEST_CLOSE.
void play_and_note() {
    ++frame;
    note_window(windows_path(), frame, window_hash());
    person_clicks(frame, window_click);
    if (frame == 110) window_click(105, 195);
    static bool ending = false;
    if (ending || kept_frame(kept_path()) < std::atoi(std::getenv("VORLEN_TEST_KEEP_UNTIL"))) return;
    ending = true;
    if (!std::getenv("VORLEN_TEST_CLOSE")) terminate_self();
    window_close();
}

// The runs below are disabled: the tests after them run each alone, in a process of its own.
TEST(Win32KeepRun, DISABLED_APersonPlays) { run_game(play_and_note); }

TEST(Win32KeepRun, DISABLED_AStartThatCannotResume) {
    win32_device_on_restart([] { std::_Exit(42); });
    run_game([] { window_close(); });
}

// Runs one of the runs above alone, with the private folder; its exit status.
int run_alone(const std::string &run, int keep_until = 0, bool close = false) {
    set_variable("VORLEN_TEST_KEEP_UNTIL", std::to_string(keep_until).c_str());
    set_variable("VORLEN_TEST_CLOSE", close ? "1" : nullptr);
    return run_test_alone("Win32KeepRun.DISABLED_" + run);
}

// A person's game in a run of its own, until the kept file reaches the frame; then ended
// abruptly or by the close box. The windows it showed, by frame.
std::map<int, uint64_t> run_until_kept(int frame_kept, bool close) {
    std::remove(windows_path().c_str());
    EXPECT_EQ(run_alone("APersonPlays", frame_kept, close), close ? 0 : 9);
    return noted_windows(windows_path());
}

uint64_t first_window = 0;  // the window the next start showed first

// Starts the game again in this process and closes it once it has shown its first window.
void start_again() {
    first_window = 0;
    run_game([] {
        if (!first_window) first_window = window_hash();
        window_close();
    });
}

TEST(Win32Keep, AGameEndedAbruptlyStartsAgainWhereItWas) {
    use_private_folder();
    std::map<int, uint64_t> windows = run_until_kept(130, false);
    int kept = kept_frame(kept_path());
    ASSERT_GE(kept, 130);
    ASSERT_TRUE(windows.count(kept));
    start_again();
    EXPECT_EQ(first_window, windows[kept]) << "the window on the kept frame " << kept;
    EXPECT_FALSE(std::filesystem::exists(kept_path())) << "closing the window forgets the game";
}

TEST(Win32Keep, AGameClosedByItsCloseBoxStartsAtTheTitle) {
    use_private_folder();
    std::map<int, uint64_t> windows = run_until_kept(70, true);
    EXPECT_FALSE(std::filesystem::exists(kept_path()));
    start_again();
    EXPECT_EQ(first_window, windows[1]);
}

// A kept file found wanting before anything plays says so once and starts at the title; one
// whose playback does not reach its frame starts the program again afresh.
TEST(Win32Keep, AKeptGameThatCannotBeResumedIsDropped) {
    use_private_folder();
    std::map<int, uint64_t> windows = run_until_kept(70, true);
    EXPECT_EQ(said_on_a_foreign_kept_game(kept_path(), start_again), FOREIGN_KEPT_GAME_SAID);
    EXPECT_EQ(first_window, windows[1]);

    run_until_kept(70, false);
    spoil_kept_hash(kept_path());
    EXPECT_EQ(run_alone("AStartThatCannotResume"), 42) << "started afresh";
    EXPECT_FALSE(std::filesystem::exists(kept_path()));
}

}  // namespace
