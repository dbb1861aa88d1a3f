// Fuzz target: reading a session's text. Whatever is read must be written back as text that reads
// as the very same session (and writes as the same text again); whatever is refused must say why
// in printable text, as must what a read session lacks.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "platform/common/session.h"

namespace {

// Whether every byte is printable ASCII, as a message for a terminal must be.
bool printable(const std::string &text) {
    for (unsigned char c : text)
        if (c < 0x20 || c >= 0x7F) return false;
    return true;
}

bool same_line(const SessionLine &a, const SessionLine &b) {
    return a.tick == b.tick && a.skip == b.skip && a.kind == b.kind && a.message == b.message &&
           a.w_param == b.w_param && a.l_param == b.l_param && a.value == b.value;
}

// Whether two sessions are the same: header, timed lines and end.
bool same_session(const Session &a, const Session &b) {
    if (a.display != b.display || a.start != b.start || a.step != b.step || a.ended != b.ended ||
        a.lines.size() != b.lines.size())
        return false;
    for (size_t i = 0; i < a.lines.size(); ++i)
        if (!same_line(a.lines[i], b.lines[i])) return false;
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    std::string text(reinterpret_cast<const char *>(data), size);
    Session first;
    std::string error;
    if (!session_parse(text, &first, &error)) {
        if (error.empty() || !printable(error)) std::abort();
        return 0;
    }
    if (!printable(session_damage(first))) std::abort();
    std::string written = session_text(first);
    Session second;
    if (!session_parse(written, &second, &error) || second.cut_line != 0 || !same_session(first, second) ||
        session_text(second) != written)
        std::abort();
    return 0;
}
