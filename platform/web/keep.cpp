// The browser's kept game: the session the person plays, from their first tap or key, handed to
// the page (which keeps it in the site's IndexedDB) at most a second apart while the page is
// shown, as soon as it is hidden, frozen or left, and before the game moves to another tab;
// forgotten when the person ends the game. A start given a kept text plays it back unseen and unheard, with the page's input held
// back, to the kept frame; one that cannot be resumed is refused, and the page says so and starts
// afresh.
#include <emscripten.h>

#include <string>

#include "platform/common/keep.h"
#include "platform/common/session_device.h"
#include "platform/web/internal.h"

namespace {

const double STORE_EVERY_MS = 1000;  // how far the kept text may lag behind the game while shown
const int BUILD_NAME_SIZE = 64;      // longer than any build's stamp

bool keeping = false;      // this run is kept
bool touched = false;      // the person has tapped or pressed a key: until then there is nothing to keep
double stored_at = 0;      // the page's clock when the kept text was last handed over

// The kept text the page found (its UTF-8 size, -1 for none), and a copy of it.
EM_JS(int, web_kept_size, (), {
    const text = VorlenWorker.keptText();
    return text === null ? -1 : lengthBytesUTF8(text);
});
EM_JS(void, web_kept_copy, (char *text, int size), { stringToUTF8(VorlenWorker.keptText(), text, size); });
EM_JS(void, web_build, (char *name, int size), { stringToUTF8(VorlenWorker.build, name, size); });
EM_JS(double, web_now, (), { return performance.now(); });
// Hands the page the kept text to store, tells it to forget it, or that it could not be resumed.
EM_JS(void, web_store, (const char *text, int size), { VorlenWorker.store(UTF8ToString(text, size)); });
EM_JS(void, web_forget, (), { VorlenWorker.forget(); });
EM_JS(void, web_refused, (const char *why), { VorlenWorker.refused(UTF8ToString(why)); });

// The kept text the page found, or "" for none.
std::string kept_text() {
    int size = web_kept_size();
    if (size <= 0) return "";
    std::string text(size_t(size) + 1, '\0');  // stringToUTF8 ends the text with a zero byte
    web_kept_copy(&text[0], size + 1);
    text.resize(size_t(size));
    return text;
}

}  // namespace

void web_keep_start() {
    char stamp[BUILD_NAME_SIZE];
    web_build(stamp, BUILD_NAME_SIZE);
    std::string why;
    keeping = true;
    stored_at = web_now();
    touched = device_session_keep(kept_text(), std::string("web ") + stamp, web_page_ticks(), &why) == 1;
    if (!why.empty()) web_refused(why.c_str());
}

void web_keep_touched() { touched = true; }

// A playback that cannot reach the kept frame is refused: the page starts afresh.
int web_keep_frame() {
    int state = device_session_frame();
    if (keeping && state == KEEP_REFUSED) {
        keeping = false;
        web_refused(keep_refusal().c_str());
    }
    return state;
}

// A run the person has not touched yet is a fresh start's: keeping it would only hold back an
// update of the site (the service worker serves a kept game's build).
void web_keep_store(bool now) {
    if (!keeping || !touched || keep_state() != KEEP_LIVE || !keep_moved()) return;
    if (!now && web_now() - stored_at < STORE_EVERY_MS) return;
    stored_at = web_now();
    std::string text = keep_text();
    if (text.empty()) web_forget();  // the session outgrew what may be kept
    else web_store(text.c_str(), int(text.size()));
}

void web_keep_run_ended() {
    if (!keeping) return;
    keeping = false;
    if (keep_run_ended()) web_forget();
    else web_refused(keep_refusal().c_str());
}
