// What the parts of the browser device offer each other, and the page's side of it: each
// EM_JS function in these files calls the page's device script (site/device.js).
#ifndef VORLEN_PLATFORM_WEB_INTERNAL_H
#define VORLEN_PLATFORM_WEB_INTERNAL_H

// Places the canvas for the page's current size (and again whenever the page is resized).
void web_place_canvas();

// ---- Replaying a session (session.cpp) ----
// Starts playing the session the page names, when it names one: its layout, clock and input
// then stand in for the page's (platform/common/session_device.h). A session that cannot be
// fetched or read is refused as a fault.
void web_session_start();

#endif
