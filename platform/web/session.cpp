// Replaying a recorded session in the page: with ?session=NAME the worker fetches
// sessions/NAME.session beside the page before the game starts, and the device then plays it
// in the person's place as the headless device does: the session's display layout, its clock
// (each read moves it on by the session's step, each Sleep by its time) and its input at the
// pump's looks. So frame N in the page is frame N of vorlen-replay. The person's input is
// dropped until the whole session has happened (platform/common/session_device.h).
#include <emscripten.h>

#include <cstdio>
#include <string>
#include <utility>

#include "platform/common/session_device.h"
#include "platform/web/internal.h"

namespace {

const int SESSION_NAME_SIZE = 80;  // longer than any name the worker accepts

// The page's ?session= name (empty when there is none), and the fetched text's size in bytes:
// -1 when it could not be fetched (or the name is not one the worker fetches).
EM_JS(void, web_session_name, (char *name, int size), { stringToUTF8(VorlenWorker.sessionName(), name, size); });
EM_JS(int, web_session_size, (), {
    const text = VorlenWorker.sessionText();
    return text === null ? -1 : lengthBytesUTF8(text);
});
EM_JS(void, web_session_copy, (char *text, int size), { stringToUTF8(VorlenWorker.sessionText(), text, size); });
// A replay asked for and impossible is a fault of the page, not a game played instead.
EM_JS(void, web_refuse, (const char *why), { throw new Error(UTF8ToString(why)); });

// Refuses the replay with a message naming the session.
void refuse(const char *name, const std::string &why) {
    std::string message = std::string("vorlen: session '") + name + "': " + why;
    web_refuse(message.c_str());
}

}  // namespace

void web_session_start() {
    char name[SESSION_NAME_SIZE];
    web_session_name(name, SESSION_NAME_SIZE);
    if (name[0] == '\0') return;
    int size = web_session_size();
    if (size < 0) return refuse(name, "cannot fetch sessions/" + std::string(name) + ".session");
    if (size_t(size) > SESSION_MAX_BYTES)
        return refuse(name, "it is too large: a session holds at most " + std::to_string(SESSION_MAX_BYTES) + " bytes");
    std::string text(size_t(size) + 1, '\0');  // stringToUTF8 ends the text with a zero byte
    web_session_copy(&text[0], size + 1);
    text.resize(size_t(size));
    Session session;
    std::string error;
    if (!session_parse(text, &session, &error)) return refuse(name, error);
    std::string damage = session_damage(session);
    if (!damage.empty()) std::fprintf(stderr, "vorlen: session '%s': %s\n", name, damage.c_str());
    device_session_play(std::move(session), name, true);
}
