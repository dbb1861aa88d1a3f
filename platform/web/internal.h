// What the parts of the browser device offer each other. Its C++ runs in the game's worker: each
// EM_JS function in these files calls that worker's script (site/worker.js, its VorlenWorker),
// never the page's (site/device.js), which it reaches only through the worker's messages.
#ifndef VORLEN_PLATFORM_WEB_INTERNAL_H
#define VORLEN_PLATFORM_WEB_INTERNAL_H

#include <cstdint>

// Places the canvas for the page's current size (and again whenever the page is resized).
void web_place_canvas();

// ---- Replaying a session (session.cpp) ----
// Starts playing the session the page names, when it names one: its layout, clock and input
// then stand in for the page's. A session that cannot be fetched or read is refused as a fault.
void web_session_start();
// Whether a session plays: its clock (session_play_clock) is then the device's.
bool web_session_playing();
// Whether the page's own input reaches the game: not while a session is still playing.
bool web_session_takes_page_input();
// A look of the pump: posts the session's input now due.
void web_session_look();

// The page's tick count: milliseconds it has been shown (device.cpp).
uint32_t web_page_ticks();

// ---- The kept game (keep.cpp) ----
// Starts keeping the run, first playing back the kept text the page found, when it found one
// that can be resumed (on its display layout); one that cannot be is refused to the page.
void web_keep_start();
// Whether a kept game is playing back: unpaced, unheard, unseen, without the page's input.
bool web_keep_catching_up();
// The device's clock without a read of it, and a read of it (the played clock while catching
// up, then the page's going on from it); a Sleep and a look of the pump, for the keeper.
uint32_t web_keep_time();
uint32_t web_keep_read();
void web_keep_sleep(uint32_t ms);
void web_keep_look();
// A frame was presented: the keeper's state after it (KEEP_CATCHING_UP while playing back).
int web_keep_frame();
// Hands the page the kept text when it moved: at once when now, else at most a second apart.
void web_keep_store(bool now);
// WinMain returned: the kept game is forgotten (or, when the playback ended the game early, refused).
void web_keep_run_ended();

#endif
