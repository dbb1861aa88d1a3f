// A device's session, the one piece every device uses to play a recorded session in the
// person's place or to record the person's run (the text and its rules are session.h's):
//
//   reading     device_session_read_file reads a session file under SESSION_MAX_BYTES and says
//               what is wrong with it (missing, not a regular file, too large, which line and why);
//   playing     device_session_play applies the header (the display layout, the clock's start
//               and step) and runs the session's clock in the device's place; the device then
//               reports its moments (device_session_clock at each read of the clock,
//               device_session_sleep at each Sleep, the looks of its pump, each presented frame)
//               and the player posts the input through device_post. Paced, a Sleep still pauses
//               as long as it says; unpaced (a session resumed, played as fast as the game goes)
//               it does not. Once every line has happened, or no line has come due for
//               SESSION_IDLE_FRAMES frames, the person's input is handed back;
//   recording   device_session_record writes the run into a file from power-on, with the end line
//               on a clean stop; a write that fails says so once on stderr and stops the recording,
//               leaving a file the reader knows is incomplete.
//
//   keeping     device_session_keep keeps the person's run as it is played (keep.h), and first
//               plays back a kept game unpaced to its kept frame, recording it again as it goes,
//               so that the run goes on from there as though it had never stopped.
//
// A device that plays from the environment (VORLEN_REPLAY=FILE) or records into it
// (VORLEN_RECORD=FILE) calls device_session_from_environment once before the game starts; one
// that keeps its game calls device_session_keep before that (a replay is never kept).
#ifndef VORLEN_PLATFORM_COMMON_SESSION_DEVICE_H
#define VORLEN_PLATFORM_COMMON_SESSION_DEVICE_H

#include <cstdint>
#include <cstdio>
#include <string>

#include "platform/common/session.h"

#define SESSION_MAX_BYTES (size_t(64) << 20)  // hours of play
#define SESSION_IDLE_FRAMES 20000             // about ten minutes of play

// Reads a session file whole; 1 when it holds a session (a damaged one is read as far as it goes:
// session_damage says what it lacks), 0 with what is wrong in error, printable, without the path.
int device_session_read_file(const std::string &path, Session *session, std::string *error);

// Starts playing a read session in the person's place, named for messages (a file's path).
void device_session_play(Session session, const std::string &name, bool paced);
// Plays VORLEN_REPLAY's file or records into VORLEN_RECORD's (the clock reading host_reading at
// power-on, the display as laid out now); 0, with a message on stderr, when the file to play
// cannot be played. Damage is reported on stderr and the session plays as far as it goes.
int device_session_from_environment(uint32_t host_reading);
// Starts recording into the file (a file that cannot be opened is reported and not recorded; 1
// when recording), or into an open stream that the recording then owns (for tests).
int device_session_record(const std::string &path, uint32_t host_reading);
void device_session_record_into(std::FILE *stream, const std::string &name, uint32_t host_reading);
// Keeps the person's run, with the kept text from the device's storage ("" when none): 1 when the
// kept game plays back first (on its own display layout, unpaced; the device shows no frame and
// plays no sound while device_session_catching_up); 0 for a fresh run, with why saying why a
// kept text was refused ("" when there was none). A VORLEN_RECORD file started after it gets the
// same session, from the first power-on of a resumed game.
int device_session_keep(const std::string &kept, const std::string &build, uint32_t host_reading, std::string *why);
bool device_session_catching_up();
// Stops playing, recording or keeping; a recording stopped here is a clean stop.
void device_session_stop();

// Whether a session was started and runs the device's clock (until the device stops it), whether
// the host's input reaches the game (no session plays, or it has handed the input back), and
// whether a recording goes on.
bool device_session_playing();
bool device_session_takes_host_input();
bool device_session_recording();
// The clock read: the host's reading while recording or when no session plays (after a kept
// game's playback, moved on by the time between), the session's clock (moved on by its step)
// while one plays. And the clock without a read, for messages.
uint32_t device_session_clock(uint32_t host_reading);
uint32_t device_session_time(uint32_t host_time);
// A Sleep of ms: 1 when the device should pause in real time as well (0 while an unpaced
// session or a kept game plays).
int device_session_sleep(uint32_t ms);
// The two ends of a look of the pump: the device collects the host's input between them, and
// hands it to the game only when device_session_takes_host_input().
void device_session_look_begin();
void device_session_look_end();
// A presented frame; the keeper's state (keep.h's KEEP_OFF when not keeping): KEEP_RESUMED on the
// kept frame, when the device shows it and the clock goes on from the played clock's reading, or
// KEEP_REFUSED when the playback missed it and the device must start afresh.
int device_session_frame();

#endif
