// Sessions on the Windows device, in its real window under Wine: every recorded session played
// there presents the frames vorlen-replay presents for it (the hashes its recorded output holds),
// with the window showing each frame's picture although it is sent only the changed parts; one
// played through VORLEN_REPLAY in real time does too; and a run a person plays with
// VORLEN_RECORD replays in vorlen-replay to the very same frames.
#include <gtest/gtest.h>

#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "platform/common/display.h"
#include "platform/common/scanout.h"
#include "platform/common/session_device.h"
#include "platform/win32/win32_device.h"
#include "tests/platform/win32_window.h"
#include "tools/replay/replay.h"

namespace {

const int CHECK_EVERY = 25;  // frames between comparisons of the window with the picture

std::vector<uint64_t> frame_hashes;  // the display memory's hash at every presented frame
int window_mismatches = 0;           // compared frames the window did not show exactly
int window_checks = 0;

// A private folder for recorded sessions, removed at exit.
struct PrivateFolder {
    std::filesystem::path path = std::filesystem::temp_directory_path() / "vorlen-win32-sessions";
    PrivateFolder() { std::filesystem::create_directories(path); }
    ~PrivateFolder() { std::filesystem::remove_all(path); }
} folder;

// Sets or removes (null) a variable of the C runtime's environment, which the device reads.
void set_variable(const char *name, const char *value) { _putenv_s(name, value ? value : ""); }

// Whether the window's client area (scale 1, the picture at its top left) shows the frame.
bool window_shows(const uint16_t *picture) {
    int width = 0, height = 0;
    std::vector<uint32_t> pixels = window_pixels(&width, &height);
    if (width != DEVICE_DISPLAY_WIDTH || height != DEVICE_DISPLAY_HEIGHT) return false;
    for (size_t i = 0; i < pixels.size(); ++i) {
        uint8_t c[3];
        rgb565_to_rgb8(picture[i], c);
        if (pixels[i] != (uint32_t(c[0]) << 16 | uint32_t(c[1]) << 8 | c[2])) return false;
    }
    return true;
}

// Keeps each frame's hash and now and then compares the window with the frame.
void note_frame() {
    frame_hashes.push_back(fnv1a64(device_display_memory(), device_display_size()));
    if (frame_hashes.size() % CHECK_EVERY == 0) {
        ++window_checks;
        if (!window_shows(win32_device_picture())) ++window_mismatches;
    }
}

// A person's short game, clicked at chosen frames: the menu, New game, e2-e4, then the close box.
void play_as_a_person() {
    note_frame();
    int frame = int(frame_hashes.size());
    if (frame == 15) window_click(120, 280);  // the title opens the menu
    if (frame == 30) window_click(57, 281);   // New game
    if (frame == 45) window_click(135, 195);  // e2
    if (frame == 55) window_click(135, 135);  // e4
    if (frame == 110) window_close();
}

// Runs the game on the Windows device at scale 1, with watch at every frame; a session given is
// played unpaced from power-on.
int run_windows(void (*watch)(), const Session *session = nullptr) {
    frame_hashes.clear();
    window_mismatches = window_checks = 0;
    set_variable("VORLEN_SCALE", "1");
    set_variable("LOCALAPPDATA", nullptr);  // nothing kept: the sessions play on their own
    if (!win32_device_start()) return -1;
    if (session) device_session_play(*session, "test", false);
    win32_device_on_present(watch);
    static WCHAR command_line[1] = {0};
    int code = WinMain(nullptr, nullptr, command_line, SW_SHOW);
    win32_device_on_present(nullptr);
    win32_device_stop();
    return code;
}

// A file's text.
std::string file_text(const std::string &path) {
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

// The recorded sessions, by name.
std::vector<std::string> session_names() {
    std::vector<std::string> names;
    for (const auto &entry : std::filesystem::directory_iterator(VORLEN_SESSIONS_DIR))
        if (entry.path().extension() == ".session") names.push_back(entry.path().stem().string());
    return names;
}

class Win32Sessions : public testing::TestWithParam<std::string> {};

TEST_P(Win32Sessions, PresentVorlenReplaysFramesInTheWindow) {
    std::string base = std::string(VORLEN_SESSIONS_DIR) + "/" + GetParam();
    Session session;
    std::string error;
    ASSERT_EQ(device_session_read_file(base + ".session", &session, &error), 1) << error;
    ASSERT_EQ(run_windows(note_frame, &session), 0);
    std::vector<uint64_t> expected = report_frame_hashes(file_text(base + ".expected"));
    ASSERT_FALSE(expected.empty());
    EXPECT_EQ(frame_hashes, expected);
    EXPECT_GT(window_checks, 0);
    EXPECT_EQ(window_mismatches, 0) << "of " << window_checks << " frames compared";
}

// A test name from a session's: letters and digits, the rest as underscores.
std::string test_name(const testing::TestParamInfo<std::string> &session) {
    std::string name = session.param;
    for (char &c : name)
        if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
    return name;
}

INSTANTIATE_TEST_SUITE_P(Recorded, Win32Sessions, testing::ValuesIn(session_names()), test_name);

TEST(Win32Session, VorlenReplayPlaysInRealTimeToTheSameFrames) {
    std::string base = std::string(VORLEN_SESSIONS_DIR) + "/menu-and-about";
    set_variable("VORLEN_REPLAY", (base + ".session").c_str());
    int code = run_windows(note_frame);
    set_variable("VORLEN_REPLAY", nullptr);
    ASSERT_EQ(code, 0);
    EXPECT_EQ(frame_hashes, report_frame_hashes(file_text(base + ".expected")));
    EXPECT_EQ(window_mismatches, 0);
}

TEST(Win32Session, ARecordedRunReplaysInVorlenReplayToTheSameFrames) {
    std::string path = (folder.path / "played.session").string();
    set_variable("VORLEN_RECORD", path.c_str());
    set_variable("VORLEN_DISPLAY", "rotated");
    int code = run_windows(play_as_a_person);
    set_variable("VORLEN_RECORD", nullptr);
    set_variable("VORLEN_DISPLAY", nullptr);
    ASSERT_EQ(code, 0);
    std::vector<uint64_t> played = frame_hashes;
    std::string text = file_text(path);
    EXPECT_EQ(text.rfind(SESSION_HEADER "\ndisplay rotated\n", 0), 0u) << text;
    for (const char *event : {" down 120 280\n", " up 57 281\n", " down 135 195\n", " up 135 135\n", " close\n"})
        EXPECT_NE(text.find(event), std::string::npos) << event;

    // Played again in a process of its own, as the game's state starts afresh only there.
    std::string command = "\"\"" + program_folder() + "vorlen-replay.exe\" \"" + path + "\"\"";
    FILE *pipe = _popen(command.c_str(), "r");
    std::string report;
    char block[4096];
    for (size_t got; pipe && (got = fread(block, 1, sizeof block, pipe)) > 0;) report.append(block, got);
    EXPECT_EQ(pipe ? _pclose(pipe) : -1, 0) << command << "\n" << report;
    EXPECT_EQ(report_frame_hashes(report), played);
    // e2-e4 and the computer's answer: White to move again.
    EXPECT_NE(report.find(" w - - 0 2"), std::string::npos) << report.substr(report.rfind("end "));
}

}  // namespace
