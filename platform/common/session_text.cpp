// A session's text: the header and the timed lines read into a Session, and written back.
#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <sstream>

#include "platform/common/display.h"
#include "platform/common/keys.h"
#include "platform/common/session.h"
#include "platform/common/windows.h"

namespace {

// The pointer events: their word, message and the wParam the devices post with them.
struct PointerName {
    const char *name;
    UINT message;
    WPARAM w_param;
};
const PointerName POINTER_NAMES[] = {
    {"down", WM_LBUTTONDOWN, 1}, {"move", WM_MOUSEMOVE, 1}, {"up", WM_LBUTTONUP, 0}};

// A word of the text quoted for a message, cut to its start when it is long.
std::string quoted(const std::string &word) {
    const size_t SHOWN = 40;
    return "'" + (word.size() <= SHOWN ? word : word.substr(0, SHOWN) + "...") + "'";
}

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

// Why a word is not the number a line needs: its meaning and range.
std::string not_a_number(const char *what, const std::string &word, long long least, long long most) {
    return std::string(what) + " " + quoted(word) + " is not a whole number from " + std::to_string(least) + " to " +
           std::to_string(most);
}

// A number of the line's own meaning and range; false, with the reason, when the word is not one.
bool field(const char *what, const std::string &word, long long least, long long most, long long *value,
           std::string *fault) {
    if (number(word, least, most, value)) return true;
    *fault = not_a_number(what, word, least, most);
    return false;
}

// A number that fits 32 unsigned bits.
bool number32(const char *what, const std::string &word, uint32_t *value, std::string *fault) {
    long long v = 0;
    if (!field(what, word, 0, 0xFFFFFFFFll, &v, fault)) return false;
    *value = uint32_t(v);
    return true;
}

// The hardware keys' names as a list for a message.
std::string key_list() {
    std::string list;
#define DEVICE_KEY_NAME(name, code, host) list += #name ", ";
    DEVICE_HARDWARE_KEYS(DEVICE_KEY_NAME)
#undef DEVICE_KEY_NAME
    return list;
}

// A key's code from its name or its number.
bool key_code(const std::string &word, WPARAM *code, std::string *fault) {
    long long v = device_key_code(word.c_str());
    if (v < 0 && !number(word, 0, 0xFFFF, &v)) {
        *fault = "key " + quoted(word) + " is none of " + key_list() + "nor a number from 0 to 65535";
        return false;
    }
    *code = WPARAM(v);
    return true;
}

// "T" or "T+K".
bool moment(const std::string &word, SessionLine *line, std::string *fault) {
    size_t plus = word.find('+');
    line->skip = 0;
    if (plus != std::string::npos && !number32("the count after +", word.substr(plus + 1), &line->skip, fault))
        return false;
    return number32("the tick", word.substr(0, plus), &line->tick, fault);
}

// Whether an event has the words it takes after its name; the reason when not.
bool takes(const std::vector<std::string> &w, size_t count, const char *what, std::string *fault) {
    if (w.size() - 2 == count) return true;
    *fault = quoted(w[1]) + " takes " + what;
    return false;
}

// A pointer event: its place in device pixels.
bool pointer_event(const std::vector<std::string> &w, const PointerName &pointer, SessionLine *line,
                   std::string *fault) {
    long long x = 0, y = 0;
    if (!takes(w, 2, "x and y", fault) || !field("x", w[2], -32768, 65535, &x, fault) ||
        !field("y", w[3], -32768, 65535, &y, fault))
        return false;
    *line = session_input(line->tick, line->skip, pointer.message, pointer.w_param, MAKELPARAM(x, y));
    return true;
}

// Any other window message by its numbers.
bool message_event(const std::vector<std::string> &w, SessionLine *line, std::string *fault) {
    long long m = 0, wp = 0, lp = 0;
    if (!takes(w, 3, "the message, its wParam and its lParam", fault) ||
        !field("the message", w[2], 0, 0xFFFFFFFFll, &m, fault) ||
        !field("wParam", w[3], 0, 0xFFFFFFFFll, &wp, fault) || !field("lParam", w[4], 0, 0xFFFFFFFFll, &lp, fault))
        return false;
    *line = session_input(line->tick, line->skip, UINT(m), WPARAM(wp), LPARAM(lp));
    return true;
}

// The event of a timed line after its moment; false, with the reason, when the words name none.
bool event(const std::vector<std::string> &w, SessionLine *line, std::string *fault) {
    const std::string &name = w[1];
    for (const PointerName &pointer : POINTER_NAMES)
        if (name == pointer.name) return pointer_event(w, pointer, line, fault);
    WPARAM code = 0;
    if (name == "key-down" || name == "key-up") {
        if (!takes(w, 1, "a key", fault) || !key_code(w[2], &code, fault)) return false;
        *line = session_input(line->tick, line->skip, name == "key-down" ? WM_KEYDOWN : WM_KEYUP, code, 0);
        return true;
    }
    if (name == "activate" || name == "deactivate" || name == "close") {
        if (!takes(w, 0, "nothing more", fault)) return false;
        UINT message = name == "close" ? WM_CLOSE : WM_ACTIVATE;
        WPARAM state = name == "activate" ? WA_ACTIVE : WA_INACTIVE;
        *line = session_input(line->tick, line->skip, message, name == "close" ? 0 : state, 0);
        return true;
    }
    if (name == "message") return message_event(w, line, fault);
    if (name == "jump" || name == "clock") {
        if (!takes(w, 1, "milliseconds", fault) || !number32("the time", w[2], &line->value, fault))
            return false;
        line->kind = name == "jump" ? SESSION_JUMP : SESSION_CLOCK;
        return true;
    }
    *fault = "unknown event " + quoted(name) +
             " (the events are down, move, up, key-down, key-up, activate, deactivate, close, message, jump, clock)";
    return false;
}

// A header line's value (display, start, step); false, with the reason, when it is not one.
bool header_value(const std::vector<std::string> &w, Session *session, std::string *fault) {
    if (w.size() != 2) {
        *fault = quoted(w[0]) + " takes one value";
        return false;
    }
    if (w[0] == "start") return number32("start", w[1], &session->start, fault);
    if (w[0] == "step") return number32("step", w[1], &session->step, fault);
    for (int i = 0; device_layout_at(i); ++i)
        if (w[1] == device_layout_at(i)) {
            session->display = w[1];
            return true;
        }
    *fault = "unknown display layout " + quoted(w[1]) + " (the layouts are " + device_layout_list() + ")";
    return false;
}

// Whether a line's first word names a header line.
bool is_header(const std::string &word) { return word == "display" || word == "start" || word == "step"; }

// The blanks between words.
const char BLANKS[] = " \t\n\v\f\r";

// The words of a line separated by blanks.
std::vector<std::string> words_of(const std::string &line) {
    std::vector<std::string> words;
    for (size_t at = line.find_first_not_of(BLANKS); at != std::string::npos;) {
        size_t end = line.find_first_of(BLANKS, at);
        words.push_back(line.substr(at, end - at));
        at = line.find_first_not_of(BLANKS, end);
    }
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
    // Packed as MAKELPARAM packs: a DWORD widened to LPARAM (on 32-bit hosts, negative above 2^31).
    bool packed = LPARAM(DWORD(line.l_param)) == line.l_param;
    for (const PointerName &pointer : POINTER_NAMES)
        if (line.message == pointer.message && line.w_param == pointer.w_param && packed) {
            out << pointer.name << ' ' << half(line.l_param, false) << ' ' << half(line.l_param, true);
            return out.str();
        }
    if ((line.message == WM_KEYDOWN || line.message == WM_KEYUP) && line.l_param == 0 && line.w_param <= 0xFFFF) {
        out << (line.message == WM_KEYDOWN ? "key-down " : "key-up ");
        const char *name = device_key_name(line.w_param);
        if (name) return out.str() + name;
        out << line.w_param;
        return out.str();
    }
    if (line.message == WM_ACTIVATE && line.l_param == 0 && (line.w_param == WA_ACTIVE || line.w_param == WA_INACTIVE))
        return line.w_param == WA_ACTIVE ? "activate" : "deactivate";
    if (line.message == WM_CLOSE && line.w_param == 0 && line.l_param == 0) return "close";
    out << "message " << line.message << ' ' << uint32_t(line.w_param) << ' ' << uint32_t(line.l_param);
    return out.str();
}

// One line that is not a comment, read into the session; empty, or what is wrong with it.
std::string session_line(const std::vector<std::string> &w, const std::string &line, bool seen_header,
                         Session *session) {
    std::string fault;
    SessionLine timed{};
    if (!seen_header) {
        if (line != SESSION_HEADER) fault = "the first line must be \"" SESSION_HEADER "\"";
    } else if (session->ended) {
        fault = "nothing may follow the end line";
    } else if (is_header(w[0])) {
        if (!session->lines.empty()) fault = "the header's lines come before the timed ones";
        if (fault.empty()) header_value(w, session, &fault);
    } else if (w.size() == 1 && w[0] == SESSION_END) {
        session->ended = true;
    } else if (w.size() < 2) {
        fault = "not a session line: a timed line is a moment and an event";
    } else if (moment(w[0], &timed, &fault) && event(w, &timed, &fault)) {
        session->lines.push_back(timed);
    }
    return fault;
}

}  // namespace

SessionLine session_input(uint32_t tick, uint32_t skip, UINT message, WPARAM w_param, LPARAM l_param) {
    return SessionLine{tick, skip, SESSION_INPUT, message, w_param, l_param, 0};
}

// Reads the text line by line; a last line without its newline was cut short and is left out.
int session_parse(const std::string &text, Session *session, std::string *error) {
    *session = Session{};
    session->lines.reserve(size_t(std::count(text.begin(), text.end(), '\n')));  // a long session grows no copies
    int number_of_line = 0;
    bool seen_header = false;
    for (size_t at = 0; at < text.size();) {
        size_t newline = text.find('\n', at);
        std::string line = text.substr(at, newline == std::string::npos ? std::string::npos : newline - at);
        at = newline == std::string::npos ? text.size() : newline + 1;
        ++number_of_line;
        if (!line.empty() && line.back() == '\r') line.pop_back();  // a file saved with Windows line ends
        size_t first = line.find_first_not_of(BLANKS);
        if (first == std::string::npos || line[first] == '#') continue;
        if (newline == std::string::npos && seen_header) {
            session->cut_line = number_of_line;
            break;
        }
        std::vector<std::string> w = words_of(line);
        std::string fault = session_line(w, line, seen_header, session);
        if (!seen_header && fault.empty()) seen_header = true;
        if (!fault.empty()) {
            *error = session_printable("line " + std::to_string(number_of_line) + ": " + fault);
            return 0;
        }
    }
    if (!seen_header) *error = "empty: the first line must be \"" SESSION_HEADER "\"";
    return seen_header ? 1 : 0;
}

std::string session_damage(const Session &session) {
    if (session.cut_line)
        return "line " + std::to_string(session.cut_line) +
               " is cut short (no newline at its end) and is left out: the session plays up to the line before";
    if (!session.ended) return "it has no end line: it may have stopped early (it plays as far as it goes)";
    return "";
}

std::string session_text(const Session &session) {
    std::string text = session_header_text(session);
    for (const SessionLine &line : session.lines) text += session_line_text(line);
    return session.ended ? text + SESSION_END "\n" : text;
}

std::string session_printable(const std::string &text) {
    static const char HEX[] = "0123456789abcdef";
    std::string out;
    for (unsigned char c : text) {
        if (c == '\\')
            out += "\\\\";
        else if (c >= 0x20 && c < 0x7F)
            out += char(c);
        else
            out += std::string("\\x") + HEX[c >> 4] + HEX[c & 15];
    }
    return out;
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
