// Fuzz target: the UCI loop driven in process, its answers checked against a model of the
// protocol. The input is a script, a command a line: each line's first byte picks the command
// and the rest of the line is its words (see command_of). After each command the script asks
// isready, so that the output falls into one part per command, and the model checks each part:
// every byte printable; a held answer (go infinite, go ponder) released before anything else
// said to the command that ends the wait; one bestmove for each go that is not held, 0000 after
// a refused position; nothing at all after quit, and no held answer at the end of the input.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "tools/engine/uci.h"

namespace {

// What the model knows of the loop: a held search and whether the position is one the client set.
struct Model {
    bool waiting = false;
    bool infinite = false;
    bool ponder = false;
    bool position_valid = true;
};

// The words of a line as the loop reads it: control bytes are blanks, words run between blanks.
std::vector<std::string> words_of(const std::string &line) {
    std::vector<std::string> words;
    std::string word;
    for (char c : line + " ") {
        unsigned char byte = static_cast<unsigned char>(c);
        if (byte <= ' ' || byte == 127) {
            if (!word.empty()) words.push_back(word);
            word.clear();
        } else {
            word += c;
        }
    }
    return words;
}

bool has_word(const std::vector<std::string> &words, const char *word) {
    for (size_t i = 1; i < words.size(); ++i)
        if (words[i] == word) return true;
    return false;
}

// The command a script line stands for. Searches stay shallow (Level at most 2, no perft, which
// the engine tool's own fuzz target reads), so that an input runs in milliseconds.
std::string command_of(const std::string &line) {
    static const char *const FIXED[] = {"go infinite", "go ponder", "stop",    "ponderhit", "ucinewgame",
                                        "quit",        "isready",   "uci",     "go depth 1", "debug on"};
    unsigned pick = line.empty() ? 0 : static_cast<unsigned char>(line[0]) % 16;
    std::string rest = line.empty() ? "" : line.substr(1);
    if (rest.find("perft") != std::string::npos || rest.find("setoption") != std::string::npos) rest.clear();
    switch (pick) {
        case 0: return rest;
        case 1: return "position startpos moves " + rest;
        case 2: return "position fen " + rest;
        case 3: return "go " + rest;
        case 4: return "setoption name Level value " + std::to_string(rest.size() % 3);
        case 5: return "position startpos " + rest;
        default: return FIXED[pick - 6];
    }
}

// Fails the run when the condition does not hold.
void check(bool condition) {
    if (!condition) std::abort();
}

bool printable(const std::string &line) {
    for (unsigned char c : line)
        if (c < 0x20 || c >= 0x7F) return false;
    return true;
}

bool is_bestmove(const std::string &line) { return line.rfind("bestmove ", 0) == 0; }

// Checks the part of the output one command gave, and moves the model on.
void check_part(const std::vector<std::string> &words, const std::vector<std::string> &part, Model &model) {
    for (const std::string &line : part) check(printable(line));
    const std::string command = words.empty() ? "" : words[0];
    bool ends_wait = command == "position" || command == "go" || command == "ucinewgame" || command == "setoption" ||
                     command == "stop" || (command == "ponderhit" && !model.infinite);
    size_t bestmoves = 0;
    for (const std::string &line : part) bestmoves += is_bestmove(line);
    size_t released = model.waiting && ends_wait ? 1 : 0;
    if (released) {
        check(is_bestmove(part[0]));
        check(model.position_valid || part[0] == "bestmove 0000");  // held from a go with no position
        model.waiting = false;
    }
    if (command == "ponderhit") model.ponder = false;
    if (command == "ucinewgame") model.position_valid = true;
    if (command == "position") {
        bool refused = false;
        for (const std::string &line : part) refused |= line.rfind("info string error: ", 0) == 0;
        model.position_valid = !refused;
    }
    if (command != "go") {
        check(bestmoves == released);
        return;
    }
    bool held = has_word(words, "infinite") || has_word(words, "ponder");
    check(bestmoves == released + (held ? 0 : 1));
    if (held) {
        model.waiting = true;
        model.infinite = has_word(words, "infinite");
        model.ponder = has_word(words, "ponder");
    } else {
        check(is_bestmove(part.back()));
        check(model.position_valid || part.back() == "bestmove 0000");
    }
}

// The output's lines.
std::vector<std::string> lines_of(const std::string &text) {
    std::vector<std::string> lines;
    size_t at = 0;
    for (size_t end; (end = text.find('\n', at)) != std::string::npos; at = end + 1)
        lines.push_back(text.substr(at, end - at));
    check(at == text.size());  // every answer ends its line
    return lines;
}

// Runs the loop on the input and gives its output.
std::string converse(const std::string &input) {
    std::FILE *in = fmemopen(const_cast<char *>(input.data()), input.size(), "r");
    char *buffer = nullptr;
    size_t size = 0;
    std::FILE *out = open_memstream(&buffer, &size);
    check(in && out);
    run_uci(in, out);
    std::fclose(in);
    std::fclose(out);
    std::string output(buffer, size);
    std::free(buffer);
    return output;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    std::string script(reinterpret_cast<const char *>(data), size);
    std::vector<std::vector<std::string>> commands;
    std::string input = "setoption name Level value 0\nisready\n";
    commands.push_back(words_of("setoption name Level value 0"));
    for (size_t at = 0; at <= script.size() && commands.size() < 64;) {
        size_t end = script.find('\n', at);
        if (end == std::string::npos) end = script.size();
        std::string command = command_of(script.substr(at, end - at));
        input += command + "\nisready\n";
        commands.push_back(words_of(command));
        at = end + 1;
    }
    std::vector<std::string> output = lines_of(converse(input));

    // Each command's part runs to its isready's readyok (an isready command has its own first).
    Model model;
    size_t at = 0;
    for (const std::vector<std::string> &words : commands) {
        if (!words.empty() && words[0] == "quit") {
            check(at == output.size());  // nothing after quit
            return 0;
        }
        size_t readies = !words.empty() && words[0] == "isready" ? 2 : 1;
        std::vector<std::string> part;
        while (readies > 0) {
            check(at < output.size());
            if (output[at] == "readyok")
                --readies;
            else
                part.push_back(output[at]);
            ++at;
        }
        check_part(words, part, model);
    }
    check(at == output.size());  // a held answer is never given at the end of the input
    return 0;
}
