// The desktop devices' kept game: when to store it, when to forget it, and what a kept game
// that cannot be resumed costs (one line on stderr and a fresh start).
#include "platform/common/keeping.h"

#include <cstdio>
#include <cstdlib>

#include "platform/common/session_device.h"

namespace {

const KeepingStorage *storage = nullptr;  // the device's storage while keeping, null when not
uint32_t stored_at = 0;                   // the host clock when what is kept was last replaced

void say_dropped(const std::string &why) {
    std::fprintf(stderr, "vorlen: the kept game could not be resumed (%s); starting afresh\n", why.c_str());
}

// Drops the kept game, once said, and starts the program again.
[[noreturn]] void start_afresh(const std::string &why) {
    say_dropped(why);
    const KeepingStorage *was = storage;
    storage = nullptr;
    was->remove();
    was->start_afresh();
    std::abort();  // (a function pointer cannot say that it does not return)
}

}  // namespace

void keeping_start(const KeepingStorage *device_storage, const std::string &build, bool afresh) {
    storage = device_storage;
    if (afresh) storage->remove();
    std::string why;
    if (!device_session_keep(afresh ? "" : storage->read(), build, storage->clock(), &why) && !why.empty()) {
        say_dropped(why);
        storage->remove();
    }
    stored_at = storage->clock();
}

void keeping_store() {
    if (!storage || keep_state() != KEEP_LIVE) return;
    stored_at = storage->clock();
    if (!keep_moved()) return;
    std::string text = keep_text();
    if (text.empty())
        storage->remove();  // the session outgrew what may be kept
    else
        storage->replace(text);
}

int keeping_frame(int state) {
    if (!storage) return state;
    if (state == KEEP_REFUSED) start_afresh(keep_refusal());
    if (state == KEEP_LIVE && storage->clock() - stored_at >= KEEPING_STORE_EVERY_MS) keeping_store();
    return state;
}

void keeping_run_ended() {
    if (!storage) return;
    if (!keep_run_ended()) start_afresh(keep_refusal());
    storage->remove();
    storage = nullptr;
}

void keeping_stop() { storage = nullptr; }
