// Playing a recorded session through the game's WinMain on the headless device, and what the
// run shows: a line per presented frame (its number, the clock, and the FNV-1a 64-bit hash of
// the display memory as presented), a line per sound call, and at the end the position, both
// clocks and WinMain's exit status.
#ifndef VORLEN_TOOLS_REPLAY_REPLAY_H
#define VORLEN_TOOLS_REPLAY_REPLAY_H

#include <cstdint>
#include <string>
#include <vector>

#include "platform/common/fnv1a64.h"
#include "platform/common/session.h"

struct ReplayOptions {
    std::string assets;        // the host folder holding the game's Graph and Sound folders
    int pixels_frame = -1;     // a frame whose pixels to keep (1 = the first presented), -1 none
};

struct ReplayResult {
    std::string report;           // the lines described above
    std::vector<uint8_t> pixels;  // the kept frame as 240 x 320 RGBA, as the eye sees the display
    bool finished = false;        // the game ended by itself, not closed by the replay
};

// Plays the session from power-on to the end of WinMain. Once SESSION_IDLE_FRAMES frames pass
// without a line happening (after the last line, or before a line that never comes due), the
// replay closes the game's window, so that every session ends.
ReplayResult replay_session(Session session, const ReplayOptions &options);
// The shared position as FEN ("none" before the first new game); castling and en passant
// never exist, and the half-move clock is always 0.
std::string position_fen();

#endif
