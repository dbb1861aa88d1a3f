// The tighter form of a session's text that a kept text holds. A recording's lines are mostly
// clock lines a few milliseconds after the clock the line before left; written from that clock,
// they take a third of the bytes, and the change is exact both ways.
#include <cerrno>
#include <cstdlib>

#include "platform/common/keep.h"

namespace {

// A whole decimal number from least to most; false when the word is not one.
bool whole(const std::string &word, long long least, long long most, long long *value) {
    if (word.empty() || word.size() > 20) return false;
    char *end = nullptr;
    errno = 0;
    long long v = std::strtoll(word.c_str(), &end, 10);
    if (*end != '\0' || errno == ERANGE || v < least || v > most) return false;
    *value = v;
    return true;
}

// The first word of a line and what follows its blank ("" when there is none).
void split(const std::string &line, std::string *first, std::string *rest) {
    size_t blank = line.find(' ');
    *first = line.substr(0, blank);
    *rest = blank == std::string::npos ? "" : line.substr(blank + 1);
}

// Whether a line is no timed line (a comment, a blank line or one of the header's, which pass
// unchanged); the header's start line sets the clock the first timed line is written from.
bool untimed(const std::string &line, uint32_t *base) {
    if (!line.empty() && line[0] >= '0' && line[0] <= '9') return false;
    std::string word, value;
    split(line, &word, &value);
    long long start = 0;
    if (word == "start" && whole(value, 0, 0xFFFFFFFFll, &start)) *base = uint32_t(start);
    return true;
}

// The clock a timed line leaves: a clock line's reading, a jump's end, otherwise its tick;
// false when a clock or jump line's number is no number.
bool clock_after(uint32_t tick, const std::string &event, uint32_t *clock) {
    long long value = 0;
    if (event.compare(0, 6, "clock ") == 0 || event.compare(0, 5, "jump ") == 0) {
        bool jump = event[0] == 'j';
        if (!whole(event.substr(jump ? 5 : 6), 0, 0xFFFFFFFFll, &value)) return false;
        *clock = jump ? tick + uint32_t(value) : uint32_t(value);
        return true;
    }
    *clock = tick;
    return true;
}

// One line tightened; base moves to the clock it leaves.
std::string tighten_line(const std::string &line, uint32_t *base) {
    if (untimed(line, base)) return line;
    std::string moment, event;
    split(line, &moment, &event);
    size_t plus = moment.find('+');
    long long tick = 0;
    if (!whole(moment.substr(0, plus), 0, 0xFFFFFFFFll, &tick)) return line;
    std::string skip = plus == std::string::npos ? "" : moment.substr(plus);
    std::string text = std::to_string(uint32_t(tick) - *base) + skip + " ";
    uint32_t after = 0;
    if (!clock_after(uint32_t(tick), event, &after)) return line;
    *base = after;
    if (event.compare(0, 6, "clock ") == 0) return text + "~" + std::to_string(int32_t(after - uint32_t(tick)));
    return text + event;
}

// One tightened line loosened; false when it is not of the tighter form.
bool loosen_line(const std::string &line, uint32_t *base, std::string *out) {
    if (untimed(line, base)) {
        *out += line;
        return true;
    }
    std::string moment, event;
    split(line, &moment, &event);
    size_t plus = moment.find('+');
    long long delta = 0, skip = 0;
    if (!whole(moment.substr(0, plus), 0, 0xFFFFFFFFll, &delta)) return false;
    if (plus != std::string::npos && !whole(moment.substr(plus + 1), 0, 0xFFFFFFFFll, &skip)) return false;
    uint32_t tick = *base + uint32_t(delta);
    long long reading = 0;
    if (!event.empty() && event[0] == '~') {
        if (!whole(event.substr(1), -0x80000000ll, 0x7FFFFFFFll, &reading)) return false;
        event = "clock " + std::to_string(tick + uint32_t(int32_t(reading)));
    }
    if (event.empty() || !clock_after(tick, event, base)) return false;
    *out += std::to_string(tick) + (skip ? "+" + std::to_string(skip) : "") + " " + event;
    return true;
}

}  // namespace

std::string keep_tighten(const std::string &session_text, uint32_t *base) {
    std::string out;
    size_t from = 0;
    while (from < session_text.size()) {
        size_t end = session_text.find('\n', from);
        if (end == std::string::npos) end = session_text.size();
        out += tighten_line(session_text.substr(from, end - from), base) + "\n";
        from = end + 1;
    }
    return out;
}

int keep_loosen(const std::string &kept_text, std::string *session_text) {
    session_text->clear();
    uint32_t base = 0;
    size_t from = 0;
    while (from < kept_text.size()) {
        size_t end = kept_text.find('\n', from);
        if (end == std::string::npos) end = kept_text.size();
        if (!loosen_line(kept_text.substr(from, end - from), &base, session_text)) return 0;
        *session_text += "\n";
        from = end + 1;
    }
    return 1;
}
