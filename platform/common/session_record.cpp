// Recording a device's run as a session. The recording follows the clock a player will run
// (step 0: only Sleep and clock lines move it) and counts, for each kind of moment, how many
// have passed at the clock's present reading since the last line, so that every line it writes
// names the one moment at which it happened.
#include "platform/common/session.h"

namespace {

bool recording = false;
void (*write_text)(const std::string &) = nullptr;
uint32_t clock_now = 0;   // what the player's clock reads at this point of the run
uint32_t looks_here = 0;  // looks since the last line at which the clock read clock_now
uint32_t reads_here = 0;  // reads likewise

// Writes a line; the moments counted so far belong to it. (A write that fails may have stopped
// the recording meanwhile.)
void write_line(const SessionLine &line) {
    if (!recording) return;
    write_text(session_line_text(line));
    looks_here = reads_here = 0;
}

}  // namespace

void session_record_start(const std::string &display, uint32_t start, void (*write)(const std::string &)) {
    Session header;
    header.display = display;
    header.start = start;
    header.step = 0;
    write_text = write;
    recording = true;
    clock_now = start;
    looks_here = reads_here = 0;
    write(session_header_text(header));
}

void session_record_read(uint32_t reading) {
    if (!recording) return;
    if (reading == clock_now) {
        ++reads_here;
        return;
    }
    write_line(SessionLine{clock_now, reads_here, SESSION_CLOCK, 0, 0, 0, reading});
    clock_now = reading;
}

void session_record_sleep(uint32_t ms) {
    if (!recording || ms == 0) return;
    clock_now += ms;
    looks_here = reads_here = 0;  // the moments counted read an earlier time
}

// The messages of one look share it: only the first lets looks pass. The look itself is then
// one the next line may have to let pass.
void session_record_look(const std::vector<MSG> &posted) {
    if (!recording) return;
    uint32_t skip = looks_here;
    for (const MSG &msg : posted) {
        write_line(session_input(clock_now, skip, msg.message, msg.wParam, msg.lParam));
        skip = 0;
    }
    ++looks_here;
}

void session_record_stop(bool clean) {
    if (recording && clean) write_text(SESSION_END "\n");
    recording = false;
    write_text = nullptr;
}

bool session_recording() { return recording; }
