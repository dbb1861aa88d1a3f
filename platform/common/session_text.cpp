// A session's text: the header and the timed lines read into a Session, and written back.
#include <cerrno>
#include <cstdlib>
#include <sstream>

#include "platform/common/session.h"
#include "platform/common/windows.h"

namespace {

const char *const LAYOUT_NAMES[] = {"packed", "padded", "rotated", "grey4", "grey2"};

// The hardware keys by the names a session gives them.
struct KeyName {
    const char *name;
    WPARAM code;
};
const KeyName KEY_NAMES[] = {{"up", VK_UP},         {"down", VK_DOWN},     {"left", VK_LEFT},
                             {"right", VK_RIGHT},   {"a", DEVICE_VK_A},    {"b", DEVICE_VK_B},
                             {"c", DEVICE_VK_C},    {"start", DEVICE_VK_START}};

// The pointer events: their word, message and the wParam the devices post with them.
struct PointerName {
    const char *name;
    UINT message;
    WPARAM w_param;
};
const PointerName POINTER_NAMES[] = {
    {"down", WM_LBUTTONDOWN, 1}, {"move", WM_MOUSEMOVE, 1}, {"up", WM_LBUTTONUP, 0}};

// A whole number in decimal or 0x hexadecimal from least to most; false when the word is not one.
bool number(const std::string &word, long long least, long long most, long long *value) {
    if (word.empty()) return false;
    char *end = nullptr;
    errno = 0;
    long long v = std::strtoll(word.c_str(), &end, 0);
    if (*end != '\0' || errno == ERANGE || v < least || v > most) return false;
    *value = v;
    return true;
}

// A number that fits 32 unsigned bits.
bool number32(const std::string &word, uint32_t *value) {
    long long v = 0;
    if (!number(word, 0, 0xFFFFFFFFll, &v)) return false;
    *value = uint32_t(v);
    return true;
}

// A key's code from its name or its number.
bool key_code(const std::string &word, WPARAM *code) {
    for (const KeyName &key : KEY_NAMES)
        if (word == key.name) {
            *code = key.code;
            return true;
        }
    long long v = 0;
    if (!number(word, 0, 0xFFFF, &v)) return false;
    *code = WPARAM(v);
    return true;
}

// "T" or "T+K".
bool moment(const std::string &word, SessionLine *line) {
    size_t plus = word.find('+');
    line->skip = 0;
    if (plus != std::string::npos && !number32(word.substr(plus + 1), &line->skip)) return false;
    return number32(word.substr(0, plus), &line->tick);
}

// The event of a timed line after its moment; false when the words name none.
bool event(const std::vector<std::string> &w, SessionLine *line) {
    const std::string &name = w[1];
    size_t args = w.size() - 2;
    long long x = 0, y = 0, m = 0, wp = 0, lp = 0;
    for (const PointerName &pointer : POINTER_NAMES)
        if (name == pointer.name) {
            if (args != 2 || !number(w[2], -32768, 65535, &x) || !number(w[3], -32768, 65535, &y)) return false;
            *line = session_input(line->tick, line->skip, pointer.message, pointer.w_param, MAKELPARAM(x, y));
            return true;
        }
    WPARAM code = 0;
    if ((name == "key-down" || name == "key-up") && args == 1 && key_code(w[2], &code)) {
        *line = session_input(line->tick, line->skip, name == "key-down" ? WM_KEYDOWN : WM_KEYUP, code, 0);
        return true;
    }
    if ((name == "activate" || name == "deactivate" || name == "close") && args == 0) {
        UINT message = name == "close" ? WM_CLOSE : WM_ACTIVATE;
        WPARAM state = name == "activate" ? WA_ACTIVE : WA_INACTIVE;
        *line = session_input(line->tick, line->skip, message, name == "close" ? 0 : state, 0);
        return true;
    }
    if (name == "message" && args == 3 && number(w[2], 0, 0xFFFFFFFFll, &m) && number(w[3], 0, 0xFFFFFFFFll, &wp) &&
        number(w[4], 0, 0xFFFFFFFFll, &lp)) {
        *line = session_input(line->tick, line->skip, UINT(m), WPARAM(wp), LPARAM(lp));
        return true;
    }
    uint32_t value = 0;
    if ((name == "jump" || name == "clock") && args == 1 && number32(w[2], &value)) {
        line->kind = name == "jump" ? SESSION_JUMP : SESSION_CLOCK;
        line->value = value;
        return true;
    }
    return false;
}

// A header line (display, start, step); false when the words are no header line.
bool header(const std::vector<std::string> &w, Session *session) {
    if (w.size() != 2) return false;
    if (w[0] == "display") {
        for (const char *layout : LAYOUT_NAMES)
            if (w[1] == layout) session->display = layout;
        return session->display == w[1];
    }
    if (w[0] == "start") return number32(w[1], &session->start);
    if (w[0] == "step") return number32(w[1], &session->step);
    return false;
}

// The words of a line separated by blanks.
std::vector<std::string> words_of(const std::string &line) {
    std::istringstream stream(line);
    std::vector<std::string> words;
    for (std::string word; stream >> word;) words.push_back(word);
    return words;
}

// A pointer message's x or y as the text gives it: the 16-bit half, negative above 32767.
long long half(LPARAM l_param, bool high) {
    WORD word = high ? HIWORD(l_param) : LOWORD(l_param);
    return int16_t(word);
}

// The event words of an input line.
std::string input_text(const SessionLine &line) {
    std::ostringstream out;
    bool packed = uint64_t(line.l_param) <= 0xFFFFFFFFull;
    for (const PointerName &pointer : POINTER_NAMES)
        if (line.message == pointer.message && line.w_param == pointer.w_param && packed) {
            out << pointer.name << ' ' << half(line.l_param, false) << ' ' << half(line.l_param, true);
            return out.str();
        }
    if ((line.message == WM_KEYDOWN || line.message == WM_KEYUP) && line.l_param == 0 && line.w_param <= 0xFFFF) {
        out << (line.message == WM_KEYDOWN ? "key-down " : "key-up ");
        for (const KeyName &key : KEY_NAMES)
            if (key.code == line.w_param) return out.str() + key.name;
        out << line.w_param;
        return out.str();
    }
    if (line.message == WM_ACTIVATE && line.l_param == 0 && (line.w_param == WA_ACTIVE || line.w_param == WA_INACTIVE))
        return line.w_param == WA_ACTIVE ? "activate" : "deactivate";
    if (line.message == WM_CLOSE && line.w_param == 0 && line.l_param == 0) return "close";
    out << "message " << line.message << ' ' << uint32_t(line.w_param) << ' ' << uint32_t(line.l_param);
    return out.str();
}

}  // namespace

SessionLine session_input(uint32_t tick, uint32_t skip, UINT message, WPARAM w_param, LPARAM l_param) {
    return SessionLine{tick, skip, SESSION_INPUT, message, w_param, l_param, 0};
}

int session_parse(const std::string &text, Session *session, std::string *error) {
    *session = Session{};
    std::istringstream stream(text);
    int number_of_line = 0;
    bool seen_header = false, seen_timed = false;
    for (std::string line; std::getline(stream, line);) {
        ++number_of_line;
        if (!line.empty() && line.back() == '\r') line.pop_back();  // a file saved with Windows line ends
        std::vector<std::string> w = words_of(line);
        if (w.empty() || w[0][0] == '#') continue;
        std::string fault;
        SessionLine timed{};
        if (!seen_header) {
            seen_header = line == SESSION_HEADER;
            if (!seen_header) fault = "the first line must be \"" SESSION_HEADER "\"";
        } else if (header(w, session)) {
            if (seen_timed) fault = "the header's lines come before the timed ones";
        } else if (w.size() >= 2 && moment(w[0], &timed) && event(w, &timed)) {
            session->lines.push_back(timed);
            seen_timed = true;
        } else {
            fault = "not a session line: " + line;
        }
        if (!fault.empty()) {
            *error = "line " + std::to_string(number_of_line) + ": " + fault;
            return 0;
        }
    }
    if (!seen_header) *error = "empty: the first line must be \"" SESSION_HEADER "\"";
    return seen_header ? 1 : 0;
}

std::string session_header_text(const Session &session) {
    return std::string(SESSION_HEADER) + "\ndisplay " + session.display + "\nstart " +
           std::to_string(session.start) + "\nstep " + std::to_string(session.step) + "\n";
}

std::string session_line_text(const SessionLine &line) {
    std::string text = std::to_string(line.tick);
    if (line.skip) text += "+" + std::to_string(line.skip);
    if (line.kind == SESSION_INPUT) return text + " " + input_text(line) + "\n";
    return text + (line.kind == SESSION_JUMP ? " jump " : " clock ") + std::to_string(line.value) + "\n";
}
