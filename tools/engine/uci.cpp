// The UCI loop: one command a line from the client, the answers on the output, flushed at once.
// The search runs to its end before the next line is read; "go infinite" and "go ponder" keep
// their answer until "stop" (or "ponderhit"), as the protocol wants. The rules are this game's:
// captures are compulsory, and there is no castling and no en passant, so the variant has a name
// of its own rather than one that other programs play with en passant.
#include "tools/engine/uci.h"

#include <chrono>
#include <cstring>
#include <string>

#include "engine/position.h"
#include "engine/search.h"
#include "tools/engine/choice.h"
#include "tools/engine/commands.h"
#include "tools/engine/fen.h"
#include "tools/engine/message.h"
#include "tools/engine/perft.h"
#include "tools/engine/uci_go.h"
#include "tools/engine/uci_input.h"
#include "tools/engine/uci_report.h"

namespace {

#define UCI_ERROR_SIZE 200
#define UCI_FIELD_SIZE 512  // a FEN, an option's name or value: longer than any accepted
#define DEFAULT_LEVEL 1
#define DEFAULT_SEED 1
#define MAX_UCI_PLIES 1000000  // the longest move list taken; UCI_LINE_LIMIT leaves room for it
#define MAX_UCI_PERFT 6  // deeper counts would keep the loop from reading for minutes
// go perft N is refused when depth N - 1 already has more leaves: depth N could then take
// longer than a client waits (tens of seconds), and the tool's perft is there for it.
#define UCI_PERFT_PARENT_LIMIT 5000000
#define VARIANT_NAME "antichess-noep"

using UciClock = std::chrono::steady_clock;

int uci_level = DEFAULT_LEVEL;  // the Level option, 0..LEVEL_COUNT-1
unsigned uci_seed = DEFAULT_SEED;  // the Seed option
// 0 after a refused position command: the shared position is then no position the client
// sent, and every go answers bestmove 0000 until a position is taken.
int position_valid = 1;

// A go infinite or go ponder whose answer waits for stop or ponderhit.
struct HeldAnswer {
    int waiting;
    int infinite;
    int ponder;
    char move[MOVE_TEXT_SIZE];  // empty for 0000
};

HeldAnswer held;

// The names that other programs give to losing chess with en passant.
const char *const EN_PASSANT_VARIANTS[] = {"antichess", "giveaway", "suicide"};

// One "info string error: ..." line, shown printable.
void report_error(FILE *out, char *message) {
    make_printable(message, UCI_ERROR_SIZE);
    fprintf(out, "info string error: %s\n", message);
}

// The answer to "uci": who we are, the options, uciok.
void print_identity(FILE *out) {
    fprintf(out, "id name vorlen\nid author the vorlen developers\n");
    fprintf(out, "option name Level type spin default %d min 0 max %d\n", DEFAULT_LEVEL,
            LEVEL_COUNT - 1);
    fprintf(out, "option name Seed type spin default %d min 0 max %u\n", DEFAULT_SEED, MAX_SEED);
    fprintf(out, "option name UCI_Variant type combo default %s var %s\n", VARIANT_NAME,
            VARIANT_NAME);
    fprintf(out, "uciok\n");
}

// Refuses a variant other than the engine's own, naming what makes it different.
int check_variant(const char *value, char *error) {
    if (same_name(value, VARIANT_NAME)) return 1;
    for (const char *name : EN_PASSANT_VARIANTS) {
        if (same_name(value, name)) {
            snprintf(error, UCI_ERROR_SIZE,
                     "variant '%s' has en passant; this engine plays it without: use " VARIANT_NAME,
                     name);
            return 0;
        }
    }
    snprintf(error, UCI_ERROR_SIZE, "variant '%.40s' is not played: only " VARIANT_NAME, value);
    return 0;
}

// "setoption name NAME value VALUE": Level, Seed or UCI_Variant; 0 with a message when refused.
int set_option(char *cursor, char *error) {
    char name[UCI_FIELD_SIZE];
    char value[UCI_FIELD_SIZE];
    char *word = next_word(&cursor);
    if (!word || strcmp(word, "name") != 0 || !join_words(&cursor, "value", name, sizeof name)) {
        snprintf(error, UCI_ERROR_SIZE, "setoption needs: name NAME value VALUE");
        return 0;
    }
    next_word(&cursor);  // "value", when there is one
    if (!join_words(&cursor, nullptr, value, sizeof value)) value[0] = '\0';
    unsigned long number = 0;
    if (same_name(name, "Level")) {
        if (!read_number(value, LEVEL_COUNT - 1, &number)) {
            snprintf(error, UCI_ERROR_SIZE, "Level '%.40s' is not a number from 0 to %d", value,
                     LEVEL_COUNT - 1);
            return 0;
        }
        uci_level = (int)number;
    } else if (same_name(name, "Seed")) {
        if (!read_number(value, MAX_SEED, &number)) {
            snprintf(error, UCI_ERROR_SIZE, "Seed '%.40s' is not a number from 0 to %u", value,
                     MAX_SEED);
            return 0;
        }
        uci_seed = (unsigned)number;
    } else if (same_name(name, "UCI_Variant")) {
        return check_variant(value, error);
    } else {
        snprintf(error, UCI_ERROR_SIZE, "unknown option '%.40s'", name);
        return 0;
    }
    return 1;
}

// "position startpos|fen FEN [moves ...]" onto the shared position; 0 with a message when the
// FEN or a move is refused (the position is then in no particular state).
int set_position(char *cursor, char *error) {
    char *word = next_word(&cursor);
    if (word && strcmp(word, "startpos") == 0) {
        setup_start_position();
    } else if (word && strcmp(word, "fen") == 0) {
        char fen[UCI_FIELD_SIZE];
        if (!join_words(&cursor, "moves", fen, sizeof fen)) {
            snprintf(error, UCI_ERROR_SIZE, "FEN is too long");
            return 0;
        }
        if (!load_fen(fen, error, UCI_ERROR_SIZE)) return 0;
    } else {
        snprintf(error, UCI_ERROR_SIZE, "position needs startpos or fen");
        return 0;
    }
    word = next_word(&cursor);
    if (word && strcmp(word, "moves") != 0) {
        snprintf(error, UCI_ERROR_SIZE, "unexpected '%.40s' in position", word);
        return 0;
    }
    if (count_words(cursor) > MAX_UCI_PLIES) {
        snprintf(error, UCI_ERROR_SIZE, "move list longer than %d plies", MAX_UCI_PLIES);
        return 0;
    }
    for (word = next_word(&cursor); word; word = next_word(&cursor)) {
        if (!play_move_text(word, error, UCI_ERROR_SIZE)) return 0;
    }
    return 1;
}

// "go perft N": the divide of the position; 0 with a message for a bad depth.
int go_perft(char *cursor, FILE *out, char *error) {
    char *word = next_word(&cursor);
    unsigned long depth = 0;
    if (!position_valid) {
        snprintf(error, UCI_ERROR_SIZE, "no position: the last position command was refused");
        return 0;
    }
    if (!word || !read_number(word, MAX_UCI_PERFT, &depth) || depth < 1) {
        snprintf(error, UCI_ERROR_SIZE, "go perft needs a depth from 1 to %d", MAX_UCI_PERFT);
        return 0;
    }
    if (perft((int)depth - 1) > UCI_PERFT_PARENT_LIMIT) {
        snprintf(error, UCI_ERROR_SIZE,
                 "go perft %lu would take too long here: use vorlen-engine perft", depth);
        return 0;
    }
    print_divide((int)depth, out);
    return 1;
}

// Prints the held answer and ends the wait.
void release_answer(FILE *out) {
    fprintf(out, "bestmove %s\n", held.move[0] ? held.move : "0000");
    held.waiting = 0;
}

// "go": the choice at the Level and Seed (and the depth asked for), as bestmove --level --seed
// makes it, with its info lines; the bestmove is printed at once or held for stop or ponderhit.
void go_choose(char *cursor, FILE *out) {
    GoRequest request;
    read_go(cursor, request, out);
    report_ignored(request, out);
    held = HeldAnswer{1, request.infinite, request.ponder, ""};
    if (position_valid) {
        UciClock::time_point start = UciClock::now();
        ToolChoice choice = choose_for_tool(uci_level, uci_seed, request.depth);
        int64_t micros =
            std::chrono::duration_cast<std::chrono::microseconds>(UciClock::now() - start).count();
        print_choice_info(choice, uci_level, uci_seed, request.depth, micros, out);
        memcpy(held.move, choice.move, sizeof held.move);
    } else {
        fprintf(out, "info string error: no position: the last position command was refused\n");
    }
    if (!held.infinite && !held.ponder) release_answer(out);
}

// A client that changes the position or the options during a held search, starts another or
// stops it has ended the first one: its held answer comes before anything said to the command,
// even when the command's line is refused.
void release_for(const char *command, FILE *out) {
    int ends = strcmp(command, "position") == 0 || strcmp(command, "go") == 0 || strcmp(command, "ucinewgame") == 0 ||
               strcmp(command, "setoption") == 0 || strcmp(command, "stop") == 0;
    if (held.waiting && ends) release_answer(out);
}

// Runs one command line; 0 when the loop is to end.
int run_command(char *line, FILE *out) {
    char error[UCI_ERROR_SIZE] = "";
    char *cursor = line;
    char *command = next_word(&cursor);
    if (!command) return 1;
    if (strcmp(command, "quit") == 0) return 0;
    release_for(command, out);
    if (strcmp(command, "uci") == 0) {
        print_identity(out);
    } else if (strcmp(command, "isready") == 0) {
        fprintf(out, "readyok\n");
    } else if (strcmp(command, "ponderhit") == 0) {
        held.ponder = 0;
        if (held.waiting && !held.infinite) release_answer(out);
    } else if (strcmp(command, "ucinewgame") == 0) {
        setup_start_position();
        position_valid = 1;
    } else if (strcmp(command, "setoption") == 0) {
        if (!set_option(cursor, error)) report_error(out, error);
    } else if (strcmp(command, "position") == 0) {
        position_valid = set_position(cursor, error);
        if (!position_valid) report_error(out, error);
    } else if (strcmp(command, "go") == 0) {
        char *rest = cursor + strspn(cursor, " ");
        if (strncmp(rest, "perft", 5) == 0 && (rest[5] == ' ' || rest[5] == '\0')) {
            if (!go_perft(rest + 5, out, error)) report_error(out, error);
        } else {
            go_choose(cursor, out);
        }
    }
    return 1;  // stop, debug, register and anything unknown are otherwise ignored
}

// A line too long to take is refused; a refused position line leaves no position, and a refused
// go is still answered, with no move, so that the client does not wait for ever.
void refuse_long_line(const std::string &line, FILE *out) {
    char error[UCI_ERROR_SIZE];
    size_t start = line.find_first_not_of(' ');
    std::string command = start == std::string::npos ? "" : line.substr(start, line.find(' ', start) - start);
    int is_position = command == "position";
    int is_go = command == "go";
    release_for(command.c_str(), out);
    if (is_position) position_valid = 0;
    snprintf(error, UCI_ERROR_SIZE, "line longer than %d bytes ignored", UCI_LINE_LIMIT);
    report_error(out, error);
    if (is_go) fprintf(out, "bestmove 0000\n");
}

}  // namespace

// The loop starts from the start position with the options at their defaults and nothing held.
void run_uci(FILE *in, FILE *out) {
    std::string line;
    int too_long = 0;
    uci_level = DEFAULT_LEVEL;
    uci_seed = DEFAULT_SEED;
    position_valid = 1;
    held = HeldAnswer{0, 0, 0, ""};
    reset_go_reports();
    setup_start_position();
    while (read_uci_line(in, line, &too_long)) {
        if (too_long) {
            refuse_long_line(line, out);
        } else if (!run_command(&line[0], out)) {
            break;
        }
        fflush(out);
    }
    fflush(out);
}
