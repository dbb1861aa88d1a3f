// Playing a session into a device: its lines happen in order, each at the moment of its kind
// (a look of the pump for input, a read of the clock for the clock's lines) that it names.
#include "platform/common/session.h"

#include <utility>

namespace {

std::vector<SessionLine> lines;  // the session's timed lines
size_t next = 0;                 // the first line that has not happened
uint32_t passed = 0;             // moments of the next line's kind let pass since the line before
uint32_t played_clock = 0;       // the played clock
uint32_t played_step = 0;        // how far each read of it moves it on
int input_left = 0;              // input lines that may still happen before the next read
uint32_t frames = 0;             // frames presented since the session started
uint32_t frames_at_line = 0;     // frames presented when a look last found a line had happened
size_t noticed = 0;              // lines that had happened then

// Whether the clock has reached a tick, as the device's tick count runs on across its wrap at
// 2^32: a tick up to 2^31 ms behind the clock has come, one ahead of it has not.
bool reached(uint32_t now, uint32_t tick) { return int32_t(now - tick) >= 0; }

// Whether the next line is of this kind (input or not) and its tick has come; a line whose
// moment has come but that must let this one pass counts it.
bool due(bool input, uint32_t now) {
    if (next == lines.size() || (lines[next].kind == SESSION_INPUT) != input || !reached(now, lines[next].tick))
        return false;
    if (passed < lines[next].skip) {
        ++passed;
        return false;
    }
    passed = 0;
    return true;
}

}  // namespace

// The lines are moved in, not copied: a session may hold millions of them.
void session_play(Session session) {
    lines = std::move(session.lines);
    next = 0;
    passed = 0;
    played_clock = session.start;
    played_step = session.step;
    input_left = SESSION_INPUT_PER_READ;
    frames = frames_at_line = 0;
    noticed = 0;
}

// Input lines due at one look are posted together, in order, up to what the present read
// allows: once that is spent the look goes by unseen, so the game's pump runs dry and the
// game reaches its next frame (and a close request behind the session's input).
void session_play_look(uint32_t now, void (*post)(UINT, WPARAM, LPARAM)) {
    while (input_left > 0 && due(true, now)) {
        const SessionLine &line = lines[next++];
        --input_left;
        post(line.message, line.w_param, line.l_param);
    }
    if (next != noticed) {
        noticed = next;
        frames_at_line = frames;
    }
}

// At most one clock line happens at a read; each read lets input happen again.
uint32_t session_play_read(uint32_t now) {
    input_left = SESSION_INPUT_PER_READ;
    if (!due(false, now)) return now;
    const SessionLine &line = lines[next++];
    return line.kind == SESSION_JUMP ? now + line.value : line.value;
}

uint32_t session_play_clock() {
    played_clock = session_play_read(played_clock);
    uint32_t reading = played_clock;
    played_clock += played_step;
    return reading;
}

uint32_t session_play_time() { return played_clock; }
void session_play_sleep(uint32_t ms) { played_clock += ms; }

size_t session_played() { return next; }
size_t session_unplayed() { return lines.size() - next; }
bool session_finished() { return next == lines.size(); }

void session_play_frame() { ++frames; }
uint32_t session_idle_frames() { return frames - frames_at_line; }
