// The Windows device's kept game: the session the person plays, kept in
// %LOCALAPPDATA%\vorlen\game.kept so that a process ended without Quit (Task Manager, a crash,
// the end of the user's session) comes back where it was. It is stored at most a second apart
// while the game plays, when the window is deactivated, when Windows ends the session and at
// exit, and removed when the person ends the game (platform/common/keeping.h). A kept game that
// cannot be resumed starts the program again afresh, as a new process.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "platform/common/fnv1a64.h"
#include "platform/common/keeping.h"
#include "platform/win32/host.h"
#include "platform/win32/win32_device.h"

namespace {

const uint32_t MAX_PROGRAM_BYTES = 64u << 20;  // far more than the program, to hash it whole

char16_t folder[HOST_MAX_PATH];     // %LOCALAPPDATA%\vorlen
char16_t kept_path[HOST_MAX_PATH];  // the kept file in it
void (*restart)() = nullptr;        // a test's stand-in for starting afresh

std::string read_kept() {
    std::string bytes;
    host_read_whole_file(kept_path, uint32_t(KEEP_MAX_BYTES + 4096), &bytes);
    return bytes;
}

bool replace_kept(const std::string &text) { return host_replace_file(folder, kept_path, text); }

void remove_kept() { host_delete_file(kept_path); }

// Ends this process once a new one has started afresh (a test may stand in for that).
[[noreturn]] void start_afresh() {
    if (restart) restart();
    win32_device_stop();  // its window closed, the new process does not take it for a running instance
    if (!host_start_again(u"VORLEN_FRESH_START")) std::fprintf(stderr, "vorlen: cannot start again\n");
    std::_Exit(0);
}

const KeepingStorage storage = {read_kept, replace_kept, remove_kept, start_afresh, host_ticks};

// The build a kept game must come from: the program file's hash.
std::string build_name() {
    char16_t path[HOST_MAX_PATH];
    std::string program;
    if (host_module_path(path, HOST_MAX_PATH) < HOST_MAX_PATH) host_read_whole_file(path, MAX_PROGRAM_BYTES, &program);
    char name[40];
    std::snprintf(name, sizeof name, "windows file %016llx",
                  (unsigned long long)fnv1a64(reinterpret_cast<const uint8_t *>(program.data()), program.size()));
    return name;
}

void keep_at_exit() { keeping_store(); }

}  // namespace

void win32_keeping_start() {
    if (!host_local_data_file(u"vorlen", folder) || !host_local_data_file(u"vorlen\\game.kept", kept_path)) return;
    const char *fresh = std::getenv("VORLEN_FRESH_START");
    keeping_start(&storage, build_name(), fresh && std::strcmp(fresh, "1") == 0);
    static bool registered = false;
    if (!registered) std::atexit(keep_at_exit);
    registered = true;
}

void win32_session_ending() { keeping_store(); }

void win32_device_on_restart(void (*stand_in)()) { restart = stand_in; }
