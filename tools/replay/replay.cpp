// The replay: the headless device laid out as the session says, its clock and its pump driven by
// the session's lines, and the game run from WinMain while each frame and sound is noted.
#include "tools/replay/replay.h"

#include <cstdio>
#include <utility>

#include "game/clocks.h"
#include "platform/common/display.h"
#include "platform/common/scanout.h"
#include "platform/common/session_device.h"
#include "platform/headless/headless.h"

namespace {

ReplayResult result;          // what the run being played shows
int pixels_frame = -1;        // the frame whose pixels are kept
size_t sounds_noted = 0;      // sound calls already reported
bool closed_by_replay = false;

// Appends one line to the report.
void report(const std::string &line) { result.report += line + "\n"; }

// A device path as text (the game's paths are ASCII; anything else shows as '?').
std::string path_text(const std::u16string &path) {
    std::string text;
    for (char16_t c : path) text += c >= 0x20 && c < 0x7F ? char(c) : '?';
    return text;
}

// Reports the sound calls made since the last moment, stamped with the frames presented so far.
void note_sounds() {
    const std::vector<HeadlessSound> &sounds = headless_sounds();
    for (; sounds_noted < sounds.size(); ++sounds_noted) {
        const HeadlessSound &sound = sounds[sounds_noted];
        char flags[16];
        std::snprintf(flags, sizeof flags, "0x%X", unsigned(sound.flags));
        report("sound " + std::to_string(headless_frame_count()) + " tick " + std::to_string(headless_time()) +
               (sound.path.empty() ? " stop" : " play " + path_text(sound.path)) + " flags " + flags);
    }
}

// Keeps the frame's pixels as the eye sees them on this layout.
void keep_pixels() {
    static uint16_t picture[DEVICE_DISPLAY_WIDTH * DEVICE_DISPLAY_HEIGHT];
    scan_out(device_display_properties(), headless_display_origin(), picture);
    result.pixels.assign(sizeof picture * 2, 0);
    part_to_rgba(picture, WHOLE_PICTURE, result.pixels.data());
}

// A look of the pump: the input due, or the close that ends a session which never ended the game
// (or whose next line never comes due).
void on_look() {
    note_sounds();
    session_play_look(headless_time(), headless_post);
    if (!closed_by_replay && session_idle_frames() >= SESSION_IDLE_FRAMES) {
        closed_by_replay = true;
        headless_close();
    }
}

// A presented frame: its line, and its pixels when asked for.
void on_frame(int frame) {
    session_play_frame();
    note_sounds();
    char hash[17];
    std::snprintf(hash, sizeof hash, "%016llx",
                  (unsigned long long)fnv1a64(headless_display_memory(), headless_display_size()));
    report("frame " + std::to_string(frame) + " tick " + std::to_string(headless_time()) + " fnv1a64 " + hash);
    if (frame == pixels_frame) keep_pixels();
}

// Both sides' clocks: milliseconds used of the budget.
std::string clocks_text() {
    return "clocks white " + std::to_string(time_used[0]) + "/" + std::to_string(time_budget[0]) + " black " +
           std::to_string(time_used[1]) + "/" + std::to_string(time_budget[1]);
}

}  // namespace

ReplayResult replay_session(Session session, const ReplayOptions &options) {
    result = ReplayResult{};
    pixels_frame = options.pixels_frame;
    sounds_noted = 0;
    closed_by_replay = false;
    headless_reset();
    headless_record_frames(false);
    headless_record_calls(false);
    headless_add_game_folders(options.assets);
    device_choose_layout(session.display.c_str());
    headless_set_time(session.start);
    headless_set_tick_step(session.step);
    session_play(std::move(session));
    headless_on_look(on_look);
    headless_on_read([](uint32_t now) {
        note_sounds();
        return session_play_read(now);
    });
    headless_on_frame(on_frame);
    int status = WinMain(nullptr, nullptr, nullptr, SW_SHOW);
    note_sounds();
    headless_on_look(nullptr);
    headless_on_read(nullptr);
    report("end frames " + std::to_string(headless_frame_count()) + " tick " + std::to_string(headless_time()));
    if (!session_finished())
        report("unplayed lines " + std::to_string(session_unplayed()) +
               (closed_by_replay ? "" : " (the game ended first)"));
    if (closed_by_replay)
        report(session_finished() ? "closed: the session ended without ending the game"
                                  : "closed: no line came due in " + std::to_string(SESSION_IDLE_FRAMES) + " frames");
    report("fen " + position_fen());
    report(clocks_text());
    report("exit " + std::to_string(status));
    result.finished = !closed_by_replay;
    return result;
}
