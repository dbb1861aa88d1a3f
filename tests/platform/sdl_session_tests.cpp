// Sessions on the desktop device (SDL's dummy drivers, scale 1): a run a person plays is recorded
// and the headless replay of the recording presents the very same frames; and a session played on
// the desktop shows in its window, pixel for pixel, what the headless device presents.
#include <gtest/gtest.h>

#include <SDL.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "platform/common/display.h"
#include "platform/sdl/sdl_device.h"
#include "tests/platform/person_game.h"
#include "tests/platform/sdl_test_device.h"
#include "tests/test_support.h"

namespace {

std::vector<uint64_t> frame_hashes;  // the display memory's hash at every presented frame
int pixels_frame = -1;               // the frame whose window pixels to keep
std::vector<uint8_t> window_rgb;     // the window's pixels at that frame, 3 bytes each

const PrivateFolder folder("vorlen-sdl-session-");  // the instance lock and the session files

// The window's pixels as RGB.
std::vector<uint8_t> read_window() {
    SDL_Surface *surface = SDL_GetWindowSurface(SDL_GetWindowFromID(sdl_device_window_id()));
    std::vector<uint8_t> rgb;
    if (!surface || surface->format->BytesPerPixel != 4) return rgb;
    for (int y = 0; y < surface->h; ++y)
        for (int x = 0; x < surface->w; ++x) {
            Uint8 c[3];
            Uint32 pixel = static_cast<const Uint32 *>(surface->pixels)[y * surface->pitch / 4 + x];
            SDL_GetRGB(pixel, surface->format, &c[0], &c[1], &c[2]);
            rgb.insert(rgb.end(), c, c + 3);
        }
    return rgb;
}

// Keeps each frame's hash, and the window's pixels at the chosen frame.
void note_frame() {
    frame_hashes.push_back(fnv1a64(device_display_memory(), device_display_size()));
    if (int(frame_hashes.size()) == pixels_frame) window_rgb = read_window();
}

// A person's short game, then the window closed. The clicks come by frame, the clock is the
// host's: each run differs a little.
void play_as_a_person() {
    note_frame();
    person_clicks(int(frame_hashes.size()), push_click);
    if (frame_hashes.size() == 110) push_close();
}

// Runs the game on the desktop device as the environment says, with watch at every frame.
int run_desktop(void (*watch)()) {
    frame_hashes.clear();
    if (!sdl_device_start()) return -1;
    sdl_device_on_present(watch);
    static WCHAR command_line[1] = {0};
    int code = WinMain(nullptr, nullptr, command_line, SW_SHOW);
    sdl_device_on_present(nullptr);
    sdl_device_stop();
    return code;
}

// What vorlen-replay prints for a session, and its exit status; with a frame, that frame's RGBA.
std::string run_replay(const std::string &session, int frame, int *status) {
    std::string command = std::string("'") + VORLEN_REPLAY_PROGRAM + "'";
    if (frame > 0) command += " --pixels " + std::to_string(frame) + " '" + folder.file("frame.rgba") + "'";
    FILE *pipe = popen((command + " '" + session + "'").c_str(), "r");
    std::string out;
    char block[4096];
    for (size_t got; pipe && (got = fread(block, 1, sizeof block, pipe)) > 0;) out.append(block, got);
    *status = pipe ? pclose(pipe) : -1;
    return out;
}

TEST(SdlSession, ARecordedRunReplaysOnTheHeadlessDeviceToTheSameFrames) {
    use_dummy_device(folder.path.string());
    std::string session = folder.file("played.session");
    setenv("VORLEN_RECORD", session.c_str(), 1);
    setenv("VORLEN_DISPLAY", "rotated", 1);
    ASSERT_EQ(run_desktop(play_as_a_person), 0);
    unsetenv("VORLEN_RECORD");
    unsetenv("VORLEN_DISPLAY");
    expect_person_recorded(file_text(session));
    int status = 0;
    std::string report = run_replay(session, -1, &status);
    EXPECT_EQ(status, 0) << report;
    expect_person_replayed(report, frame_hashes);
}

// Closes the window at the third frame.
void close_at_third_frame() {
    note_frame();
    if (frame_hashes.size() != 3) return;
    push_close();
}

TEST(SdlSession, TheWindowClosesAtOnceWhileASessionFloodsTheGameWithInput) {
    use_dummy_device(folder.path.string());
    std::string session = folder.file("flood.session");
    {
        std::ofstream file(session);
        file << SESSION_HEADER "\n";
        for (int i = 0; i < 200000; ++i) file << "0 move 120 160\n";
        file << SESSION_END "\n";
    }
    setenv("VORLEN_REPLAY", session.c_str(), 1);
    ASSERT_EQ(run_desktop(close_at_third_frame), 0);
    unsetenv("VORLEN_REPLAY");
    EXPECT_LE(frame_hashes.size(), 5u);
    EXPECT_GT(session_unplayed(), 150000u);  // the close did not wait for the session's input
}

TEST(SdlSession, APlayedSessionShowsInTheWindowWhatTheHeadlessDevicePresents) {
    use_dummy_device(folder.path.string());
    std::string session = VORLEN_SESSIONS_DIR "/menu-and-about.session";
    setenv("VORLEN_REPLAY", session.c_str(), 1);
    pixels_frame = 120;  // the about picture
    ASSERT_EQ(run_desktop(note_frame), 0);
    unsetenv("VORLEN_REPLAY");
    int status = 0;
    std::string report = run_replay(session, pixels_frame, &status);
    EXPECT_EQ(status, 0) << report;
    EXPECT_EQ(report_frame_hashes(report), frame_hashes);

    std::string rgba = file_text(folder.file("frame.rgba"));
    ASSERT_EQ(rgba.size(), size_t(DEVICE_DISPLAY_WIDTH * DEVICE_DISPLAY_HEIGHT * 4));
    ASSERT_EQ(window_rgb.size(), size_t(DEVICE_DISPLAY_WIDTH * DEVICE_DISPLAY_HEIGHT * 3));
    int differing = 0;
    for (size_t i = 0; i < rgba.size() / 4; ++i)
        for (int c = 0; c < 3; ++c) differing += uint8_t(rgba[i * 4 + size_t(c)]) != window_rgb[i * 3 + size_t(c)];
    EXPECT_EQ(differing, 0);
}

}  // namespace
