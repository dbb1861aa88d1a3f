// A device's session: the player and the recorder every device shares (session_device.h), over
// the text (session_text.cpp), the playing (session_play.cpp) and the recording
// (session_record.cpp) that need nothing of a host.
#include "platform/common/session_device.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <utility>
#include <vector>

#include "platform/common/display.h"
#include "platform/common/keep.h"
#include "platform/common/windows.h"

namespace {

bool playing = false;      // a session was started and runs the clock
bool paced = true;         // its Sleeps pause in real time
bool handed_back = false;  // the person's input reaches the game again before the session ended
std::string play_name;     // the played session's name for messages

std::FILE *record_stream = nullptr;  // the session being written, null when not recording
std::string record_name;             // its file's name for messages
std::vector<MSG> looked;             // what the host's input posted during the present look

bool keeping = false;         // the person's run is kept
bool resumed = false;         // a kept game has just reached its frame: the clock takes up from it
uint32_t clock_offset = 0;    // the device's clock less the host's after a kept game's playback

// The name of a file as a message shows it: quoted, any unprintable byte escaped.
std::string quoted(const std::string &name) { return "'" + session_printable(name) + "'"; }

// The one warning of a recording that cannot be written.
void warn_unwritten(int error) {
    std::fprintf(stderr, "vorlen: VORLEN_RECORD %s: cannot write the session (%s); the recording stops here, "
                 "without its end line\n", quoted(record_name).c_str(), std::strerror(error));
}

// Stops recording for good after a failed write: no end line, the file closed (a kept run goes on
// being kept).
void abandon_recording(int error) {
    warn_unwritten(error);
    if (keeping) {
        keep_also_write(nullptr);
    } else {
        session_record_stop(false);
        device_watch_posts(nullptr);
    }
    std::fclose(record_stream);
    record_stream = nullptr;
}

// Writes recorded text at once, so that a session survives the game's end however it comes.
void write_recorded(const std::string &text) {
    if (!record_stream) return;
    errno = 0;
    if (std::fputs(text.c_str(), record_stream) < 0 || std::fflush(record_stream) != 0)
        abandon_recording(errno ? errno : EIO);
}

void note_post(const MSG &msg) { looked.push_back(msg); }

bool catching_up() { return keeping && keep_state() == KEEP_CATCHING_UP; }

// Why a path names no file a session may be read from (missing, not a regular file, larger than
// the cap); empty when it names one, whose size is then in *size.
std::string file_fault(const std::string &path, uint64_t *size) {
    struct stat info;
    if (path.empty()) return "no file is named (the value is empty)";
    if (stat(path.c_str(), &info) != 0)
        return errno == ENOENT || errno == ENOTDIR ? "there is no such file" : std::strerror(errno);
    if (S_ISDIR(info.st_mode)) return "it is a folder, not a session file";
    if (!S_ISREG(info.st_mode)) return "it is not a regular file";
    *size = uint64_t(info.st_size);
    if (*size <= SESSION_MAX_BYTES) return "";
    return "it is too large: " + std::to_string(*size) + " bytes, and a session holds at most " +
           std::to_string(SESSION_MAX_BYTES) + " (64 MiB)";
}

// The file's bytes when it is one a session may be read from; 0 with the reason. (A FIFO is
// never opened: it would block.)
int read_bytes(const std::string &path, std::string *bytes, std::string *error) {
    uint64_t size = 0;
    *error = file_fault(path, &size);
    if (!error->empty()) return 0;
    std::FILE *file = std::fopen(path.c_str(), "rb");
    if (!file) {
        *error = std::string("cannot open it: ") + std::strerror(errno);
        return 0;
    }
    // One byte more than its size is asked for, to notice a file that grows while it is read.
    bytes->resize(size_t(size) + 1);
    size_t got = std::fread(&(*bytes)[0], 1, bytes->size(), file);
    bool failed = std::ferror(file) != 0;
    std::fclose(file);
    bytes->resize(got);
    if (failed) *error = "cannot read it";
    if (got > size) *error = "it grew while it was read: read it again once it is written";
    return error->empty() ? 1 : 0;
}

// Gives the person the input back before the session ended, saying why.
void give_up() {
    handed_back = true;
    std::fprintf(stderr, "vorlen: VORLEN_REPLAY %s: no line came due in %d frames; the last %s lines are not "
                 "played and the input is the person's again\n", quoted(play_name).c_str(), SESSION_IDLE_FRAMES,
                 std::to_string(session_unplayed()).c_str());
}

}  // namespace

int device_session_read_file(const std::string &path, Session *session, std::string *error) {
    std::string bytes;
    error->clear();
    if (!read_bytes(path, &bytes, error)) return 0;
    return session_parse(bytes, session, error);
}

void device_session_play(Session session, const std::string &name, bool paced_play) {
    device_choose_layout(session.display.c_str());
    play_name = name;
    playing = true;
    paced = paced_play;
    handed_back = false;
    session_play(std::move(session));
}

int device_session_from_environment(uint32_t host_reading) {
    const char *replay = std::getenv("VORLEN_REPLAY");
    const char *record = std::getenv("VORLEN_RECORD");
    if (!replay) {
        if (record) device_session_record(record, host_reading);
        return 1;
    }
    Session session;
    std::string error;
    if (!device_session_read_file(replay, &session, &error)) {
        std::fprintf(stderr, "vorlen: VORLEN_REPLAY %s: %s\n", quoted(replay).c_str(), error.c_str());
        return 0;
    }
    std::string damage = session_damage(session);
    if (!damage.empty()) std::fprintf(stderr, "vorlen: VORLEN_REPLAY %s: %s\n", quoted(replay).c_str(), damage.c_str());
    device_session_play(std::move(session), replay, true);
    return 1;
}

int device_session_record(const std::string &path, uint32_t host_reading) {
    std::FILE *stream = std::fopen(path.c_str(), "wb");
    if (!stream) {
        std::fprintf(stderr, "vorlen: cannot write the session to VORLEN_RECORD %s (%s), not recording\n",
                     quoted(path).c_str(), std::strerror(errno));
        return 0;
    }
    device_session_record_into(stream, path, host_reading);
    return record_stream ? 1 : 0;
}

void device_session_record_into(std::FILE *stream, const std::string &name, uint32_t host_reading) {
    record_stream = stream;
    record_name = name;
    if (keeping) {  // the keeper records; the file gets what it has recorded, then the rest
        write_recorded(keep_recorded());
        keep_also_write(write_recorded);
        return;
    }
    looked.clear();
    device_watch_posts(note_post);
    const char *layout = device_layout_name();
    session_record_start(layout ? layout : "packed", host_reading, write_recorded);
}

int device_session_keep(const std::string &kept, const std::string &build, uint32_t host_reading, std::string *why) {
    keeping = true;
    resumed = false;
    clock_offset = 0;
    looked.clear();
    device_watch_posts(note_post);
    why->clear();
    if (!kept.empty() && keep_resume(kept, build, why)) {
        device_choose_layout(keep_session().display.c_str());
        return 1;
    }
    const char *layout = device_layout_name();
    keep_start(build, layout ? layout : "packed", host_reading);
    return 0;
}

bool device_session_catching_up() { return catching_up(); }

void device_session_stop() {
    if (keeping) {
        keep_stop();  // cleanly: a recording file gets the end line
        keep_also_write(nullptr);
        device_watch_posts(nullptr);
        keeping = false;
    }
    clock_offset = 0;
    if (record_stream && session_recording()) {
        session_record_stop(true);  // the end line's write may fail and abandon the recording
        device_watch_posts(nullptr);
    }
    if (record_stream) {
        int closed = std::fclose(record_stream);
        record_stream = nullptr;
        if (closed != 0) warn_unwritten(errno);
    }
    playing = false;
    handed_back = false;
    looked.clear();
}

bool device_session_playing() { return playing; }
bool device_session_takes_host_input() {
    return (!playing || handed_back || session_finished()) && !catching_up();
}
bool device_session_recording() { return record_stream != nullptr; }

// After a kept game's playback, the clock goes on from the played clock's last reading: the
// time the device was gone counts as the handheld switched off.
uint32_t device_session_clock(uint32_t host_reading) {
    if (playing) return session_play_clock();
    if (resumed) clock_offset = session_play_time() - host_reading;
    resumed = false;
    uint32_t reading = catching_up() ? session_play_clock() : host_reading + clock_offset;
    session_record_read(reading);
    return reading;
}

uint32_t device_session_time(uint32_t host_time) {
    return playing || catching_up() ? session_play_time() : host_time + clock_offset;
}

int device_session_sleep(uint32_t ms) {
    session_record_sleep(ms);
    if (playing || catching_up()) session_play_sleep(ms);
    if (catching_up()) return 0;
    return !playing || paced || device_session_takes_host_input() ? 1 : 0;
}

void device_session_look_begin() { looked.clear(); }

// A kept game's input is posted (and noted) before the look is recorded.
void device_session_look_end() {
    if (playing) {
        if (!handed_back) session_play_look(session_play_time(), device_post);
        return;
    }
    if (catching_up()) session_play_look(session_play_time(), device_post);
    session_record_look(looked);
}

int device_session_frame() {
    if (playing && !handed_back) {
        session_play_frame();
        if (!session_finished() && session_idle_frames() >= SESSION_IDLE_FRAMES) give_up();
    }
    if (!keeping) return KEEP_OFF;
    int state = keep_frame();
    resumed = resumed || state == KEEP_RESUMED;
    return state;
}
