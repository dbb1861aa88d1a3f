// What the parts of the browser device offer each other. Its C++ runs in the game's worker: each
// EM_JS function in these files calls that worker's script (site/worker.js, its VorlenWorker),
// never the page's (site/device.js), which it reaches only through the worker's messages.
#ifndef VORLEN_PLATFORM_WEB_INTERNAL_H
#define VORLEN_PLATFORM_WEB_INTERNAL_H

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

#endif
