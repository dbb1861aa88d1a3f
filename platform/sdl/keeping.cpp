// The desktop's kept game: the session the person plays, kept in $XDG_STATE_HOME/vorlen/game.kept
// (by default ~/.local/state/vorlen/) so that a process ended without Quit comes back where it
// was. The file is replaced whole (a temporary file renamed over it) at most a second apart while
// the game plays, when the window loses focus, and before the process ends by a signal it can
// catch or by exit; it is removed when the person ends the game (platform/common/keeping.h). A
// kept game that cannot be resumed starts the process again afresh.
#include <fcntl.h>
#include <link.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "platform/common/display.h"
#include "platform/common/fnv1a64.h"
#include "platform/common/files.h"
#include "platform/common/keeping.h"
#include "platform/common/session_device.h"
#include "platform/sdl/internal.h"
#include "platform/sdl/sdl_device.h"

namespace {

std::string folder;                     // where the kept file lives
volatile sig_atomic_t ending_signal = 0;  // a caught signal that ends the process, 0 for none
void (*restart)() = nullptr;            // a test's stand-in for starting afresh

// $XDG_STATE_HOME/vorlen, or ~/.local/state/vorlen; "" when neither is known.
std::string state_folder() {
    const char *state = std::getenv("XDG_STATE_HOME");
    if (state && state[0] == '/') return std::string(state) + "/vorlen";
    const char *home = std::getenv("HOME");
    if (home && home[0] == '/') return std::string(home) + "/.local/state/vorlen";
    return "";
}

std::string kept_path() { return folder + "/game.kept"; }

// Makes a folder and those above it (private to the user); false when it cannot be made.
bool make_folders(const std::string &path) {
    for (size_t slash = path.find('/', 1); slash != std::string::npos; slash = path.find('/', slash + 1))
        mkdir(path.substr(0, slash).c_str(), 0700);
    return mkdir(path.c_str(), 0700) == 0 || errno == EEXIST;
}

// The program's build as the linker stamped it (its GNU build-id note), or "" when it has none.
int note_build_id(dl_phdr_info *info, size_t, void *data) {
    std::string *id = static_cast<std::string *>(data);
    for (int i = 0; i < info->dlpi_phnum && id->empty(); ++i) {
        const ElfW(Phdr) &segment = info->dlpi_phdr[i];
        if (segment.p_type != PT_NOTE) continue;
        const uint8_t *at = reinterpret_cast<const uint8_t *>(info->dlpi_addr + segment.p_vaddr);
        const uint8_t *end = at + segment.p_memsz;
        while (at + sizeof(ElfW(Nhdr)) <= end && id->empty()) {
            const ElfW(Nhdr) *note = reinterpret_cast<const ElfW(Nhdr) *>(at);
            const uint8_t *name = at + sizeof *note;
            const uint8_t *desc = name + ((note->n_namesz + 3) & ~3u);
            if (desc + note->n_descsz > end) break;
            if (note->n_type == NT_GNU_BUILD_ID && note->n_namesz == 4 && std::memcmp(name, "GNU", 4) == 0)
                for (uint32_t b = 0; b < note->n_descsz; ++b) {
                    char hex[3];
                    std::snprintf(hex, sizeof hex, "%02x", desc[b]);
                    *id += hex;
                }
            at = desc + ((note->n_descsz + 3) & ~3u);
        }
    }
    return 1;  // the first object is the program itself
}

// The build a kept game must come from: the linker's build id, or the program file's hash.
std::string build_name() {
    std::string id;
    dl_iterate_phdr(note_build_id, &id);
    if (!id.empty()) return "desktop " + id;
    std::vector<uint8_t> program;
    read_host_file("/proc/self/exe", size_t(1) << 30, &program);
    char hash[40];
    std::snprintf(hash, sizeof hash, "desktop file %016llx", (unsigned long long)fnv1a64(program.data(), program.size()));
    return hash;
}

// Writes the whole text to a file; false when any of it could not be written.
bool write_file(const std::string &path, const std::string &text) {
    int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    if (fd < 0) return false;
    size_t done = 0;
    while (done < text.size()) {
        ssize_t n = write(fd, text.data() + done, text.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;
        done += size_t(n);
    }
    return close(fd) == 0 && done == text.size();
}

std::string read_kept() {
    std::vector<uint8_t> bytes;
    read_host_file(kept_path(), KEEP_MAX_BYTES + 4096, &bytes);
    return std::string(bytes.begin(), bytes.end());
}

// Replaces the kept file whole: a temporary file renamed over it.
bool replace_kept(const std::string &text) {
    std::string temporary = kept_path() + ".new";
    if (make_folders(folder) && write_file(temporary, text) && rename(temporary.c_str(), kept_path().c_str()) == 0)
        return true;
    unlink(temporary.c_str());
    return false;
}

void remove_kept() { unlink(kept_path().c_str()); }

// Starts the program again afresh (a test may stand in for that).
[[noreturn]] void start_afresh() {
    if (restart) restart();
    sdl_device_stop();
    setenv("VORLEN_FRESH_START", "1", 1);
    char name[] = "vorlen";
    char *arguments[] = {name, nullptr};
    execv("/proc/self/exe", arguments);
    std::fprintf(stderr, "vorlen: cannot start again: %s\n", std::strerror(errno));
    _exit(1);
}

const KeepingStorage storage = {read_kept, replace_kept, remove_kept, start_afresh, host_clock_ms};

// The signals that end a process without the person's choice: the game is kept, then the signal
// takes its course.
void on_ending_signal(int signal) { ending_signal = signal; }

void keep_at_exit() { keeping_store(); }

}  // namespace

void sdl_keeping_start() {
    folder = state_folder();
    if (folder.empty()) return;
    const char *fresh = std::getenv("VORLEN_FRESH_START");
    bool afresh = fresh && std::strcmp(fresh, "1") == 0;
    unsetenv("VORLEN_FRESH_START");
    keeping_start(&storage, build_name(), afresh);
    for (int signal : {SIGTERM, SIGINT, SIGHUP}) std::signal(signal, on_ending_signal);
    static bool registered = false;
    if (!registered) std::atexit(keep_at_exit);
    registered = true;
}

void keeping_look() {
    if (!ending_signal) return;
    int signal = ending_signal;
    keeping_store();
    keeping_stop();
    sdl_device_stop();
    std::signal(signal, SIG_DFL);
    std::raise(signal);
}

void sdl_device_run_ended() { keeping_run_ended(); }

void sdl_device_on_restart(void (*stand_in)()) { restart = stand_in; }
