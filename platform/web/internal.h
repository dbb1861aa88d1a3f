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
// then stand in for the page's (platform/common/session_device.h). A session that cannot be
// fetched or read is refused as a fault.
void web_session_start();

// The page's tick count: milliseconds it has been shown (device.cpp).
uint32_t web_page_ticks();

// ---- The kept game (keep.cpp) ----
// Starts keeping the run, first playing back the kept text the page found, when it found one
// that can be resumed (on its display layout); one that cannot be is refused to the page.
void web_keep_start();
// The person tapped or pressed a key: from here on the run is worth keeping.
void web_keep_touched();
// A frame was presented: the keeper's state after it (KEEP_CATCHING_UP while a kept game plays
// back, unseen, unheard and without the page's input).
int web_keep_frame();
// Hands the page the kept text when it moved: at once when now, else at most a second apart.
void web_keep_store(bool now);
// WinMain returned: the kept game is forgotten (or, when the playback ended the game early, refused).
void web_keep_run_ended();

#endif
