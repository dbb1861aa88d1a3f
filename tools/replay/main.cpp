// vorlen-replay [--pixels FRAME FILE] SESSION: plays a recorded session through the game on the
// headless device and prints what it showed (tools/replay/replay.h); with --pixels, also writes
// that frame's pixels to FILE (PNG when FILE ends in .png, raw RGBA otherwise). Exits 0 when the
// game ended by itself, 1 when the replay had to close it, 2 on a usage or session error. A
// session cut short plays as far as it goes, with a note of what it lacks on stderr.
#include <cstdio>
#include <cstdlib>
#include <string>
#include <utility>

#include "platform/common/session_device.h"

#include "tools/replay/pixels.h"
#include "tools/replay/replay.h"

namespace {

// Prints the usage and gives the exit status for it.
int usage() {
    std::fprintf(stderr, "usage: vorlen-replay [--pixels FRAME FILE] SESSION\n");
    return 2;
}

// Whether the text ends with the ending.
bool ends_with(const std::string &text, const std::string &ending) {
    return text.size() >= ending.size() && text.compare(text.size() - ending.size(), ending.size(), ending) == 0;
}

// Writes the kept frame's pixels; 1 when written.
int write_pixels(const std::string &path, const ReplayResult &result) {
    if (result.pixels.empty()) {
        std::fprintf(stderr, "vorlen-replay: no such frame was presented\n");
        return 0;
    }
    int written = ends_with(path, ".png") ? write_png_file(path, result.pixels) : write_rgba_file(path, result.pixels);
    if (!written) std::fprintf(stderr, "vorlen-replay: cannot write %s\n", path.c_str());
    return written;
}

}  // namespace

int main(int argc, char **argv) {
    ReplayOptions options;
    options.assets = VORLEN_BIN_DIR;
    std::string pixels_path;
    int next = 1;
    if (argc == 5 && std::string(argv[1]) == "--pixels") {
        char *end = nullptr;
        long frame = std::strtol(argv[2], &end, 10);
        if (*end != '\0' || frame < 1 || frame > 100000000) return usage();
        options.pixels_frame = int(frame);
        pixels_path = argv[3];
        next = 4;
    }
    if (argc != next + 1) return usage();
    Session session;
    std::string error;
    std::string name = session_printable(argv[next]);
    if (!device_session_read_file(argv[next], &session, &error)) {
        std::fprintf(stderr, "vorlen-replay: %s: %s\n", name.c_str(), error.c_str());
        return 2;
    }
    std::string damage = session_damage(session);
    if (!damage.empty()) std::fprintf(stderr, "vorlen-replay: %s: %s\n", name.c_str(), damage.c_str());
    ReplayResult result = replay_session(std::move(session), options);
    std::fwrite(result.report.data(), 1, result.report.size(), stdout);
    if (!pixels_path.empty() && !write_pixels(pixels_path, result)) return 2;
    return result.finished ? 0 : 1;
}
