// Recorded sessions: what a person did on a device and how its clock ran, as plain text that any
// device can play back through the game exactly as it happened. Reading and writing the text
// (session_text.cpp), playing it into a device (session_play.cpp) and recording a device's own
// run (session_record.cpp) need nothing of a host.
//
// A session is a header and then timed lines in the order they happened on the device:
//   vorlen-session 1
//   display packed        the emulated display layout (packed, padded, rotated, grey4, grey2)
//   start 0               what the clock reads at power-on
//   step 1                how far each read of the clock moves it on (Sleep always adds its time)
//   T[+K] EVENT           at the (K+1)-th moment of the event's kind at which the clock has
//                         reached T, counted from the moment the line before happened (the clock
//                         runs on across its wrap at 2^32: a T up to 2^31 ms behind it has come)
// Input events happen at a look of the message pump (several may share one look): down X Y,
// move X Y, up X Y (device pixels, which may lie off the screen), key-down KEY, key-up KEY (up,
// down, left, right, a, b, c, start or a virtual-key number), activate, deactivate, close, and
// message M W L for any other window message. Clock events happen at a read of the clock, before
// it is read: jump D (the clock moves on D ms, as when the device sleeps) and clock V (it reads V
// from here on). Blank lines and lines starting with # are comments.
//   end                   closes a recording that stopped cleanly; nothing timed may follow it
// Every line ends with a newline. A last line without one was cut short (a recording stopped
// mid-write) and is left out; a session without its end line may have stopped early. Both still
// play, as far as they go, and the reader says what is missing. At most SESSION_INPUT_PER_READ
// input lines happen between two reads of the clock: the rest wait for the next read, so that a
// session whose lines are all due at once still lets the game present frames and obey a close.
#ifndef VORLEN_PLATFORM_COMMON_SESSION_H
#define VORLEN_PLATFORM_COMMON_SESSION_H

#include <cstdint>
#include <string>
#include <vector>

#include "platform/device.h"

#define SESSION_HEADER "vorlen-session 1"
#define SESSION_END "end"
#define SESSION_INPUT_PER_READ 4096

enum SessionKind { SESSION_INPUT = 0, SESSION_JUMP = 1, SESSION_CLOCK = 2 };

// One timed line. An input line carries the window message the device posts; a jump line its
// distance and a clock line its reading in value.
struct SessionLine {
    uint32_t tick;   // the clock reading from which the line may happen
    uint32_t skip;   // moments of its kind at or after tick to let pass first
    int kind;        // SessionKind
    UINT message;    // input lines: the window message
    WPARAM w_param;
    LPARAM l_param;
    uint32_t value;  // jump and clock lines: milliseconds
};

struct Session {
    std::string display = "packed";
    uint32_t start = 0;
    uint32_t step = 1;
    std::vector<SessionLine> lines;
    bool ended = false;  // the text closed with its end line
    int cut_line = 0;    // the number of a last line left out for want of its newline, 0 when none
};

// ---- Text (session_text.cpp) ----
// Reads a session's text; 1 when it is well formed, 0 with "line N: what is wrong" in error
// (any byte of the text that is not printable shown escaped).
int session_parse(const std::string &text, Session *session, std::string *error);
// What a read session lacks, as one sentence: a last line cut short or the end line missing;
// empty when it is whole.
std::string session_damage(const Session &session);
// The whole text of a session: the header, the timed lines and the end line when it has one.
std::string session_text(const Session &session);
// Text fit for a terminal: bytes other than printable ASCII become \xNN (and a backslash \\).
std::string session_printable(const std::string &text);
// The header's lines, each ending in a newline.
std::string session_header_text(const Session &session);
// One timed line as the text holds it, ending in a newline.
std::string session_line_text(const SessionLine &line);
// The input line a window message makes (any message: those without a name of their own are
// kept as message M W L).
SessionLine session_input(uint32_t tick, uint32_t skip, UINT message, WPARAM w_param, LPARAM l_param);

// ---- Playing (session_play.cpp) ----
// Starts playing a session (its header is the device's to apply); the lines then happen as the
// device reports its moments below.
void session_play(Session session);
// A look of the pump with the clock at now: posts, through post, every input line now due.
void session_play_look(uint32_t now, void (*post)(UINT message, WPARAM w_param, LPARAM l_param));
// A read of the clock at now: what the clock reads once a clock line now due has happened.
uint32_t session_play_read(uint32_t now);
// The played clock, for a device whose clock the session runs (it starts at the session's
// start): a read of it (a clock line now due happens first, and the read moves it on by the
// session's step), its reading without a read, and a Sleep, which moves it on by its time.
uint32_t session_play_clock();
uint32_t session_play_time();
void session_play_sleep(uint32_t ms);
// How many lines have happened, and whether all have.
size_t session_played();
size_t session_unplayed();
bool session_finished();
// A presented frame, and how many frames have been presented since a look of the pump last
// found that a line had happened (or since the session started): what tells a session whose
// next line never comes due from one still playing.
void session_play_frame();
uint32_t session_idle_frames();

// ---- Recording (session_record.cpp) ----
// Starts recording a device's run into lines handed to write as text (the header first). The
// recording keeps its own model of a played clock (step 0: only Sleep and clock lines move it)
// and writes a clock line wherever the device's clock read otherwise, so that a player's clock
// reads exactly what the device's did.
void session_record_start(const std::string &display, uint32_t start, void (*write)(const std::string &text));
// The device's moments: a read of its clock and what it read, a Sleep, and a look of the pump
// with the messages the host's input posted during it.
void session_record_read(uint32_t reading);
void session_record_sleep(uint32_t ms);
void session_record_look(const std::vector<MSG> &posted);
// Stops recording; nothing is written after it. A clean stop writes the end line first; a
// recording that cannot go on (its file cannot be written) stops without it.
void session_record_stop(bool clean);
bool session_recording();

#endif
