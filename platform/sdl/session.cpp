// Sessions on the desktop: the person's run is recorded as it is played, for the kept game
// (keeping.cpp) and, with VORLEN_RECORD=FILE, into that file; VORLEN_REPLAY=FILE plays a session
// instead of the person, and nothing is kept then. Recording notes every read of the clock,
// every Sleep and the input each look of the pump took; playing runs the clock the session
// describes and posts its input at its looks, and gives the person the mouse and keys back once
// it has all happened. A kept game plays back the same way but unpaced, and its clock then goes
// on from the played clock's last reading, so the time the process was gone counts as the
// handheld switched off.
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "platform/common/display.h"
#include "platform/common/files.h"
#include "platform/common/keep.h"
#include "platform/common/session.h"
#include "platform/common/windows.h"
#include "platform/sdl/internal.h"

namespace {

const size_t MAX_SESSION_BYTES = size_t(64) << 20;  // hours of play

std::FILE *record_file = nullptr;  // the session being written, null when not recording
bool playing = false;              // VORLEN_REPLAY's session is being played
uint32_t clock_offset = 0;         // the device's clock less the host's (after a kept game's playback)
std::vector<MSG> looked;           // what was posted during the present look

// Writes recorded text at once, so that a session survives the game's end however it comes.
void write_recorded(const std::string &text) {
    std::fputs(text.c_str(), record_file);
    std::fflush(record_file);
}

void note_post(const MSG &msg) { looked.push_back(msg); }

// Opens VORLEN_RECORD's file; one that cannot be written is reported and not recorded.
void open_recording(const char *path) {
    record_file = std::fopen(path, "w");
    if (!record_file) {
        std::fprintf(stderr, "vorlen: cannot write the session to VORLEN_RECORD '%s', not recording\n", path);
        return;
    }
    keep_also_write(write_recorded);
}

// Records the run: kept, and into VORLEN_RECORD's file when there is one. Without a place to
// keep it, the recorder runs for the file alone.
void start_recording(const char *path) {
    if (path) open_recording(path);
    device_watch_posts(note_post);
    if (keeping_start()) return;
    if (keep_state() == KEEP_LIVE || !record_file) return;
    const char *layout = device_layout_name();
    session_record_start(layout ? layout : "packed", host_clock_ms(), write_recorded);
}

// Reads the session and starts playing it on its display layout; 0 with a message when it
// cannot be read.
int start_playing(const char *path) {
    std::vector<uint8_t> bytes;
    Session session;
    std::string error = "cannot read it";
    if (!read_host_file(path, MAX_SESSION_BYTES, &bytes) ||
        !session_parse(std::string(bytes.begin(), bytes.end()), &session, &error)) {
        std::fprintf(stderr, "vorlen: VORLEN_REPLAY '%s': %s\n", path, error.c_str());
        return 0;
    }
    device_choose_layout(session.display.c_str());
    session_play(session);
    playing = true;
    return 1;
}

}  // namespace

int session_start_from_environment() {
    const char *replay = std::getenv("VORLEN_REPLAY");
    if (replay) return start_playing(replay);
    start_recording(std::getenv("VORLEN_RECORD"));
    return 1;
}

void session_stop() {
    keeping_stop();
    session_record_stop();
    keep_also_write(nullptr);
    device_watch_posts(nullptr);
    if (record_file) std::fclose(record_file);
    record_file = nullptr;
    playing = false;
    clock_offset = 0;
    looked.clear();
}

uint32_t session_clock(uint32_t host_reading) {
    if (playing) return session_play_clock();
    uint32_t reading = keeping_catches_up() ? session_play_clock() : host_reading + clock_offset;
    session_record_read(reading);
    return reading;
}

void session_sleep(uint32_t ms) {
    session_record_sleep(ms);
    if (playing || keeping_catches_up()) session_play_sleep(ms);
}

bool session_paced() { return !keeping_catches_up(); }

void session_resumed() { clock_offset = session_play_time() - host_clock_ms(); }

bool session_takes_host_input() { return (!playing || session_finished()) && !keeping_catches_up(); }

void session_look_begin() { looked.clear(); }

void session_look_end() {
    if (playing || keeping_catches_up()) session_play_look(session_play_time(), device_post);
    if (!playing) session_record_look(looked);
}
