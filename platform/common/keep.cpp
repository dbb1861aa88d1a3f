// Keeping and resuming the session a device plays. The keeper is the recorder's writer: it holds
// the session in the kept form and, at each presented frame, moves the kept moment to the end of
// what has been written, so that a kept text is always a whole session up to a presented frame.
// A kept text is
//   vorlen-kept 1
//   build BUILD
//   frame N fnv1a64 HASH bytes L
//   L bytes of the session in the kept form, up to the N-th presented frame
#include "platform/common/keep.h"

#include <cinttypes>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "platform/common/display.h"
#include "platform/common/fnv1a64.h"

namespace {

int state = KEEP_OFF;
std::string build_name;                       // the build that plays, as kept texts name it
std::string kept_form;                        // the session so far, in the kept form
uint32_t form_base = 0;                       // the clock the kept form's last line left
bool overgrown = false;                       // the session outgrew KEEP_MAX_BYTES: nothing kept
bool touched = false;                         // the session holds input: before it, nothing is kept
size_t kept_bytes = 0;                        // how much of kept_form the kept moment covers
uint32_t frames = 0;                          // frames presented since power-on, played back ones too
uint32_t kept_frame = 0;                      // the frame the kept moment is at (0: none yet)
bool moved = false;                           // the kept moment moved since keep_text gave it
void (*also_write)(const std::string &) = nullptr;
Session played;                               // the session being played back
uint32_t resume_frame = 0;                    // the frame a playback must reach (0: none), its hash
uint64_t resume_hash = 0;
std::string refusal;

// The next line of a text from *at (without its line end), moving *at past it; false at the end.
bool next_line(const std::string &text, size_t *at, std::string *line) {
    if (*at >= text.size()) return false;
    size_t end = text.find('\n', *at);
    if (end == std::string::npos) return false;  // a line cut short
    *line = text.substr(*at, end - *at);
    *at = end + 1;
    return true;
}

// Whether recorded text holds an input line (a timed line whose event is no clock or jump).
bool holds_input(const std::string &text) {
    size_t at = 0;
    for (std::string line; next_line(text, &at, &line);) {
        size_t blank = line.find(' ');
        if (line[0] < '0' || line[0] > '9' || blank == std::string::npos) continue;
        std::string event = line.substr(blank + 1);
        if (event.compare(0, 6, "clock ") != 0 && event.compare(0, 5, "jump ") != 0) return true;
    }
    return false;
}

// The recorder's writer.
void write(const std::string &text) {
    if (also_write) also_write(text);
    touched = touched || holds_input(text);
    if (overgrown) return;
    kept_form += keep_tighten(text, &form_base);
    if (kept_form.size() <= KEEP_MAX_BYTES) return;
    overgrown = true;
    kept_form.clear();
    kept_form.shrink_to_fit();
}

// The display memory's hash: the frame it holds.
uint64_t shown_hash() { return fnv1a64(device_display_memory(), device_display_size()); }

// Ends a resume that cannot be: nothing is kept or recorded from here on.
int refuse(const std::string &why) {
    session_record_stop(false);
    state = KEEP_REFUSED;
    refusal = why;
    kept_form.clear();
    return KEEP_REFUSED;
}

// A build's name as one line of a kept text.
std::string one_line(const std::string &text) {
    std::string line;
    for (char c : text)
        if (c != '\n' && c != '\r') line += c;
    return line;
}

// What a kept text's head says of the frame a playback must reach.
struct KeptFrame {
    uint32_t number = 0;
    uint64_t hash = 0;
};

// Takes word from text at *at; 1 when it stands there. (The head is read by hand: the C runtime's
// scanf costs the Windows program more than the rest of keeping.)
bool take_word(const std::string &text, size_t *at, const char *word) {
    size_t size = std::strlen(word);
    if (text.compare(*at, size, word) != 0) return false;
    *at += size;
    return true;
}

// Takes a number of digits in base 10 or 16 from text at *at, no longer than fits 64 bits; 1 when
// there is at least one digit.
bool take_number(const std::string &text, size_t *at, int base, uint64_t *value) {
    const size_t start = *at, most = base == 16 ? 16 : 19;
    *value = 0;
    for (; *at < text.size() && *at - start < most; ++*at) {
        char c = text[*at];
        int digit = c >= '0' && c <= '9' ? c - '0' : base == 16 && c >= 'a' && c <= 'f' ? c - 'a' + 10 : -1;
        if (digit < 0) break;
        *value = *value * uint64_t(base) + uint64_t(digit);
    }
    return *at > start;
}

// Reads a kept text's head (its first three lines) and the session's text after it; "" or why
// it cannot be played back.
std::string read_head(const std::string &kept, const std::string &build, KeptFrame *kept_at,
                      std::string *session_text) {
    size_t at = 0;
    std::string header, built, frame;
    if (!next_line(kept, &at, &header) || header != KEEP_HEADER) return "it is not a kept game";
    if (!next_line(kept, &at, &built) || !next_line(kept, &at, &frame)) return "it is cut short";
    if (built != "build " + one_line(build)) return "it was kept by another build";
    uint64_t number = 0, hash = 0, bytes = 0;
    size_t in = 0;
    if (!take_word(frame, &in, "frame ") || !take_number(frame, &in, 10, &number) ||
        !take_word(frame, &in, " fnv1a64 ") || !take_number(frame, &in, 16, &hash) ||
        !take_word(frame, &in, " bytes ") || !take_number(frame, &in, 10, &bytes) || in != frame.size() ||
        number == 0 || bytes > KEEP_MAX_BYTES)
        return "its head is malformed";
    if (number > KEEP_MAX_FRAMES) return "it is longer than a start may play back";
    kept_at->number = uint32_t(number);
    if (kept.size() - at < bytes) return "it is cut short";
    if (kept.size() - at > bytes) return "it has more than it says";
    kept_at->hash = hash;
    if (!keep_loosen(kept.substr(at), session_text)) return "its session is malformed";
    return "";
}

}  // namespace

void keep_start(const std::string &build, const std::string &display, uint32_t start) {
    build_name = one_line(build);
    kept_form.clear();
    form_base = start;
    overgrown = false;
    touched = false;
    kept_bytes = 0;
    frames = kept_frame = resume_frame = 0;
    moved = false;
    refusal.clear();
    state = KEEP_LIVE;
    session_record_start(display, start, write);
}

void keep_also_write(void (*write_too)(const std::string &)) { also_write = write_too; }

// While catching up, only the kept frame counts: it must hold the kept picture with the whole
// session played.
int keep_frame() {
    ++frames;
    if (state == KEEP_CATCHING_UP && frames == resume_frame) {
        if (!session_finished()) return refuse("the game reached the kept frame before the session's end");
        if (shown_hash() != resume_hash) return refuse("the game showed another picture on the kept frame");
        state = KEEP_LIVE;
    } else if (state != KEEP_LIVE) {
        return state;
    }
    kept_bytes = kept_form.size();
    kept_frame = frames;
    moved = true;
    return frames == resume_frame ? KEEP_RESUMED : KEEP_LIVE;
}

std::string keep_text() {
    moved = false;
    if (state != KEEP_LIVE || kept_frame == 0 || kept_frame > KEEP_MAX_FRAMES || overgrown || !touched) return "";
    char frame[96];
    std::snprintf(frame, sizeof frame, "frame %" PRIu32 " fnv1a64 %016" PRIx64 " bytes %" PRIu64 "\n", kept_frame,
                  shown_hash(), uint64_t(kept_bytes));
    return KEEP_HEADER "\nbuild " + build_name + "\n" + frame + kept_form.substr(0, kept_bytes);
}

bool keep_moved() { return moved; }

std::string keep_recorded() {
    std::string text;
    keep_loosen(kept_form, &text);
    return text;
}

void keep_stop() {
    if (state == KEEP_LIVE || state == KEEP_CATCHING_UP) session_record_stop(true);
    state = KEEP_OFF;
    kept_form.clear();
    kept_frame = 0;
}

int keep_state() { return state; }

int keep_resume(const std::string &kept, const std::string &build, std::string *why) {
    std::string text;
    Session session;
    KeptFrame kept_at;
    std::string error = read_head(kept, build, &kept_at, &text);
    if (error.empty() && !session_parse(text, &session, &error)) error = "its session is malformed (" + error + ")";
    if (!error.empty()) {
        *why = refusal = error;
        state = KEEP_REFUSED;
        return 0;
    }
    played = session;
    keep_start(build, played.display, played.start);
    session_play(played);
    resume_frame = kept_at.number;
    resume_hash = kept_at.hash;
    state = KEEP_CATCHING_UP;
    return 1;
}

const Session &keep_session() { return played; }
const std::string &keep_refusal() { return refusal; }

int keep_run_ended() {
    if (state == KEEP_CATCHING_UP) refuse("the game ended before the kept frame");
    if (state == KEEP_REFUSED) return 0;
    keep_stop();
    return 1;
}
