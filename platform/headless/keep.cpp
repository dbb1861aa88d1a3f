// Keeping on the test device, as a device that never loses a game keeps it: every read of the
// clock, Sleep, look of the pump and presented frame goes to the keeper, and a run started from a
// kept text first plays it back, on the kept session's display layout and clock and without
// sounds, to the kept frame.
#include "platform/common/display.h"
#include "platform/common/keep.h"
#include "platform/common/windows.h"
#include "platform/headless/headless.h"
#include "platform/headless/internal.h"

namespace {

bool keeping = false;          // the run is being kept
uint32_t live_step = 1;        // the clock's step once a playback has reached the kept frame
int resumed_frame = -1;        // the frame at which it did
std::vector<MSG> posted;       // what was posted since the pump's last look

void note_post(const MSG &msg) { posted.push_back(msg); }

bool catching_up() { return keeping && keep_state() == KEEP_CATCHING_UP; }

}  // namespace

int headless_keep(const std::string &kept, const std::string &build) {
    keeping = true;
    posted.clear();
    device_watch_posts(note_post);
    std::string why;
    if (!kept.empty() && keep_resume(kept, build, &why)) {
        const Session &session = keep_session();
        live_step = headless_tick_step();
        device_choose_layout(session.display.c_str());
        headless_set_time(session.start);
        headless_set_tick_step(session.step);
        return 1;
    }
    const char *layout = device_layout_name();
    keep_start(build, layout ? layout : "packed", headless_time());
    return 0;
}

int headless_resumed_frame() { return resumed_frame; }

void headless_reset_keep() {
    if (keeping) keep_stop();
    keeping = false;
    resumed_frame = -1;
    posted.clear();
}

uint32_t headless_keep_read(uint32_t now) {
    if (!keeping) return now;
    if (catching_up()) now = session_play_read(now);
    session_record_read(now);
    return now;
}

void headless_keep_sleep(uint32_t ms) {
    if (keeping) session_record_sleep(ms);
}

void headless_keep_look() {
    if (!keeping) return;
    if (catching_up()) session_play_look(headless_time(), device_post);
    session_record_look(posted);
    posted.clear();
}

// The clock the run was kept from had moved one step past its last reading; the played-back one
// (a recording's step is 0) has not, so the live clock takes that step as it goes on.
void headless_keep_frame(int frame) {
    if (keeping && keep_frame() == KEEP_RESUMED) {
        resumed_frame = frame;
        headless_set_tick_step(live_step);
        headless_advance_time(live_step);
    }
}

bool headless_keep_silent() { return catching_up(); }
