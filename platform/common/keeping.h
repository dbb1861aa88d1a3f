// A desktop device's kept game in storage of its own (a file on the desktop, one under
// %LOCALAPPDATA% on Windows): what is kept is brought up to date at most a second apart while
// the game plays and whenever the device says the process may end, and removed when the person
// ends the game; a kept game that cannot be resumed is said once on stderr, removed, and the
// program starts again afresh. The device supplies the storage and the fresh start; the session
// and its playback are session_device.h's and keep.h's.
#ifndef VORLEN_PLATFORM_COMMON_KEEPING_H
#define VORLEN_PLATFORM_COMMON_KEEPING_H

#include <cstdint>
#include <string>

#include "platform/common/keep.h"

#define KEEPING_STORE_EVERY_MS 1000u  // how far what is kept may lag behind the game

// The device's storage of the kept text and the way it starts afresh.
struct KeepingStorage {
    std::string (*read)();                     // what is kept, "" for nothing or unreadable
    bool (*replace)(const std::string &text);  // replaces it whole, never torn; false on failure
    void (*remove)();                          // forgets it
    void (*start_afresh)();                    // starts the program again, with nothing kept; never returns
    uint32_t (*clock)();                       // the host's clock in milliseconds
};

// Starts keeping the run, with the device's build name: a kept game is played back first,
// unless afresh (it is then forgotten). The storage must outlive the run.
void keeping_start(const KeepingStorage *storage, const std::string &build, bool afresh);
// Brings what is kept up to date (at a frame boundary).
void keeping_store();
// Follows device_session_frame's state after each presented frame: stores at most a second apart,
// and starts afresh when the playback missed the kept frame (it then does not return).
int keeping_frame(int state);
// WinMain returned: the person ended the game, and nothing stays kept (a playback that ended the
// game before its kept frame starts afresh instead).
void keeping_run_ended();
// Stops keeping without touching what is kept (a process about to end by a signal).
void keeping_stop();

#endif
