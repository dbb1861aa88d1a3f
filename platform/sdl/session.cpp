// Sessions on the desktop: VORLEN_RECORD=FILE writes the session a person plays, VORLEN_REPLAY=FILE
// plays one instead of the person. Recording notes every read of the clock, every Sleep and the
// input each look of the pump took; playing runs the clock the session describes and posts its
// input at its looks, and gives the person the mouse and keys back once it has all happened.
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "platform/common/display.h"
#include "platform/common/files.h"
#include "platform/common/session.h"
#include "platform/common/windows.h"
#include "platform/sdl/internal.h"

namespace {

const size_t MAX_SESSION_BYTES = size_t(64) << 20;  // hours of play

std::FILE *record_file = nullptr;  // the session being written, null when not recording
bool playing = false;              // a session is being played
std::vector<MSG> looked;           // what the host's input posted during the present look

// Writes recorded text at once, so that a session survives the game's end however it comes.
void write_recorded(const std::string &text) {
    std::fputs(text.c_str(), record_file);
    std::fflush(record_file);
}

void note_post(const MSG &msg) { looked.push_back(msg); }

// Starts recording into the file; a file that cannot be written is reported and not recorded.
void start_recording(const char *path) {
    record_file = std::fopen(path, "w");
    if (!record_file) {
        std::fprintf(stderr, "vorlen: cannot write the session to VORLEN_RECORD '%s', not recording\n", path);
        return;
    }
    const char *layout = device_layout_name();
    session_record_start(layout ? layout : "packed", host_clock_ms(), write_recorded);
    device_watch_posts(note_post);
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
    const char *record = std::getenv("VORLEN_RECORD");
    if (replay && !start_playing(replay)) return 0;
    if (record && !replay) start_recording(record);
    return 1;
}

void session_stop() {
    if (record_file) {
        session_record_stop();
        device_watch_posts(nullptr);
        std::fclose(record_file);
    }
    record_file = nullptr;
    playing = false;
    looked.clear();
}

uint32_t session_clock(uint32_t host_reading) {
    if (!playing) {
        session_record_read(host_reading);
        return host_reading;
    }
    return session_play_clock();
}

void session_sleep(uint32_t ms) {
    session_record_sleep(ms);
    if (playing) session_play_sleep(ms);
}

bool session_takes_host_input() { return !playing || session_finished(); }

void session_look_begin() { looked.clear(); }

void session_look_end() {
    if (playing)
        session_play_look(session_play_time(), device_post);
    else
        session_record_look(looked);
}
