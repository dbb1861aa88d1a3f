// Keeping the game a device plays, so that a run ended without Quit (a page reloaded or
// discarded, a process killed) comes back at its next start on the very frame the player was
// shown, as a handheld switched off and on again does. The game keeps nothing: the device keeps
// the session it plays (its display layout, input and clock readings, recorded as
// session_record_* records them), the build that played it and the hash of the last frame it
// presented; resuming plays that session back through the game, unpaced, unheard and unseen,
// and is accepted only when the playback reaches that frame with that hash.
//
// A device that keeps:
//   - at start, with a kept text from its storage, calls keep_resume; 1: it lays its display out
//     as keep_session() says and plays the session (its clock and input through the session
//     player, session_play_*) without pacing, sound or showing frames; 0: it says once why (the
//     kept text is dropped) and calls keep_start to keep a fresh run instead;
//   - feeds the recorder at every read of its clock, Sleep and look of its pump, as for a
//     recording (the keeper is its writer, while playing back too);
//   - calls keep_frame after each presented frame: KEEP_RESUMED once, on the kept frame, when the
//     device shows it and hands the person the input and the clock (its tick count goes on from
//     the played clock's reading); KEEP_REFUSED when the playback did not reach it, when the
//     device starts afresh, at the title, with nothing kept;
//   - stores keep_text() (whole, up to the last presented frame) at most a second apart while the
//     game is shown and whenever it may be ended (hidden, losing focus, a signal), by replacing
//     what it stored whole (a temporary copy renamed over it), never by appending;
//   - when WinMain returns, calls keep_run_ended: 1 (the player chose to end: Quit or the close
//     box) removes what it stored; 0 means the playback ended the game before the kept frame (a
//     refusal, as above).
#ifndef VORLEN_PLATFORM_COMMON_KEEP_H
#define VORLEN_PLATFORM_COMMON_KEEP_H

#include <cstdint>
#include <string>

#include "platform/common/session.h"

#define KEEP_HEADER "vorlen-kept 1"
// The most frames a kept session may ask to be played back (some 17 hours of play at the game's
// 30 ms pass), so that no stored text makes a start play back for ever.
#define KEEP_MAX_FRAMES 2000000u
// The most bytes of session a kept text may hold (some 30 hours of play in the kept form).
#define KEEP_MAX_BYTES (size_t(32) << 20)

enum KeepState {
    KEEP_OFF = 0,         // not keeping
    KEEP_LIVE = 1,        // keeping the person's run
    KEEP_CATCHING_UP = 2, // playing a kept session back to its kept frame
    KEEP_RESUMED = 3,     // (keep_frame only) this frame is the kept one: the person's run goes on
    KEEP_REFUSED = 4      // the kept session could not be resumed (keep_refusal says why)
};

// ---- Keeping ----
// Starts keeping a fresh run: the recorder starts (its header holds the display layout and the
// clock's reading at power-on) and writes to the keeper. build names the program that plays
// (any text; line ends are dropped): a kept text is resumed only by the same build.
void keep_start(const std::string &build, const std::string &display, uint32_t start);
// Hands the recording's text to write as well (null: to nobody), so that VORLEN_RECORD's file
// gets the same session (after a resume: the whole session from the first power-on).
void keep_also_write(void (*write)(const std::string &text));
// A frame was presented (after GXEndDraw, the display memory holding it): the kept moment moves
// here, or the playback's verdict comes. Returns the state (KEEP_RESUMED once, on the kept frame).
int keep_frame();
// The kept text now: the session up to the last presented frame, with the build and that
// frame's number and hash; empty when nothing is kept (before the first frame, before the first
// input, as the title left alone has nothing to lose and would only lengthen the playback, while
// catching up, after keep_stop or when the session grew past KEEP_MAX_BYTES). Call it at a frame
// boundary, where the display memory holds the last presented frame.
std::string keep_text();
// Whether the kept text has moved on since keep_text last gave it (the device need not store
// the same text twice).
bool keep_moved();
// The session recorded so far, as a session's text (for a recording file opened after the
// keeping started).
std::string keep_recorded();
// Stops keeping (the recorder too, cleanly); keep_text is empty from here on.
void keep_stop();
int keep_state();

// ---- Resuming ----
// Reads a kept text (from storage the program does not control: any bytes at all) and starts
// playing it back: 1, with the recorder and the session player started; 0 when it is malformed,
// truncated, of another build or asks too much, with why set to one short sentence.
int keep_resume(const std::string &kept, const std::string &build, std::string *why);
// The session being played back (its display layout and clock).
const Session &keep_session();
// Why the resume was refused ("" when it was not).
const std::string &keep_refusal();
// WinMain returned: 1 when the person's run ended (as the player chose); 0 when the playback
// ended the game before the kept frame, a refusal.
int keep_run_ended();

// ---- The kept form (keep_form.cpp) ----
// A session's text in the tighter form a kept text holds, and back: each timed line's moment is
// written from the clock the line before left (its tick, a clock line's reading, a jump's end),
// and a clock line ("T clock V") as "D ~E", V being E from its own tick, so that the lines a real
// clock makes take a few bytes. Header lines, comments and blank lines pass unchanged; base is the
// clock the text before left (a "start" line sets it), so that a text may come in pieces.
std::string keep_tighten(const std::string &session_text, uint32_t *base);
// 1 with the session's text; 0 when a line is not of the tighter form.
int keep_loosen(const std::string &kept_text, std::string *session_text);

#endif
