// The UCI loop: one command a line from the client, the answers on the output, flushed at once.
// The search runs to its end before the next line is read, so "go" answers with bestmove at
// once and "stop" has nothing left to stop. The rules are this game's: captures are compulsory,
// and there is no castling and no en passant.
#include "tools/engine/uci.h"

#include <chrono>
#include <cinttypes>
#include <cstring>

#include "engine/captures.h"
#include "engine/position.h"
#include "engine/search.h"
#include "tools/engine/choice.h"
#include "tools/engine/commands.h"
#include "tools/engine/fen.h"
#include "tools/engine/message.h"
#include "tools/engine/perft.h"

namespace {

#define UCI_LINE_SIZE 16384  // a longer line is refused whole
#define UCI_ERROR_SIZE 200
#define UCI_FIELD_SIZE 512  // a FEN, an option's name or value: longer than any accepted
#define DEFAULT_LEVEL 1
#define DEFAULT_SEED 1
#define MICROS_PER_SECOND 1000000
#define MICROS_PER_MS 1000
#define MAX_UCI_PERFT 6  // deeper counts would keep the loop from reading for minutes
// go perft N is refused when depth N - 1 already has more leaves: depth N could then take
// longer than a client waits (tens of seconds), and the tool's perft is there for it.
#define UCI_PERFT_PARENT_LIMIT 5000000

using UciClock = std::chrono::steady_clock;

int uci_level = DEFAULT_LEVEL;  // the Level option, 0..LEVEL_COUNT-1
unsigned uci_seed = DEFAULT_SEED;  // the Seed option

// The whole shared position, kept so that a refused position command leaves the previous one.
struct SavedPosition {
    PieceRecord pieces[PIECE_COUNT];
    int8_t squares[SQUARE_COUNT];
    int32_t side;
    int32_t counts[2];
    CapturePair captures[CAPTURE_LIST_SIZE];
    int32_t capture_total;
};

// Copies the shared position aside.
SavedPosition save_position() {
    SavedPosition saved;
    memcpy(saved.pieces, PieceTable, sizeof PieceTable);
    memcpy(saved.squares, BoardMap, sizeof BoardMap);
    saved.side = side_to_move;
    memcpy(saved.counts, move_counts, sizeof move_counts);
    memcpy(saved.captures, CaptureList, sizeof CaptureList);
    saved.capture_total = capture_count;
    return saved;
}

// Puts a saved position back.
void restore_position(const SavedPosition &saved) {
    memcpy(PieceTable, saved.pieces, sizeof PieceTable);
    memcpy(BoardMap, saved.squares, sizeof BoardMap);
    side_to_move = saved.side;
    memcpy(move_counts, saved.counts, sizeof move_counts);
    memcpy(CaptureList, saved.captures, sizeof CaptureList);
    capture_count = saved.capture_total;
}

// Reads one line, control bytes turned into blanks; 0 at the end of the input. A line longer
// than the buffer is read to its end and marked too long.
int read_line(FILE *in, char line[UCI_LINE_SIZE], int *too_long) {
    int length = 0;
    int byte = 0;
    *too_long = 0;
    while ((byte = getc(in)) != EOF && byte != '\n') {
        if (length == UCI_LINE_SIZE - 1) {
            *too_long = 1;
            continue;
        }
        line[length++] = byte < ' ' || byte == 127 ? ' ' : (char)byte;
    }
    line[length] = '\0';
    return byte != EOF || length > 0 || *too_long;
}

// The next blank-separated word at *cursor, terminated in place; null when none is left.
char *next_word(char **cursor) {
    char *at = *cursor;
    while (*at == ' ') at++;
    if (*at == '\0') return nullptr;
    char *word = at;
    while (*at && *at != ' ') at++;
    if (*at) *at++ = '\0';
    *cursor = at;
    return word;
}

// 1 when the words are the same but for the case of ASCII letters, as UCI compares names.
int same_name(const char *left, const char *right) {
    for (; *left && *right; left++, right++) {
        char a = *left >= 'A' && *left <= 'Z' ? (char)(*left - 'A' + 'a') : *left;
        char b = *right >= 'A' && *right <= 'Z' ? (char)(*right - 'A' + 'a') : *right;
        if (a != b) return 0;
    }
    return *left == *right;
}

// Joins the words up to the word `stop` (left unread) or to the end with single blanks; 0 when
// they do not fit.
int join_words(char **cursor, const char *stop, char *joined, size_t size) {
    size_t length = 0;
    joined[0] = '\0';
    for (;;) {
        char *at = *cursor + strspn(*cursor, " ");
        size_t word_length = strcspn(at, " ");
        *cursor = at;
        if (word_length == 0) return 1;
        if (stop && word_length == strlen(stop) && strncmp(at, stop, word_length) == 0) return 1;
        if (length + word_length + 2 > size) return 0;
        if (length > 0) joined[length++] = ' ';
        memcpy(joined + length, at, word_length);
        length += word_length;
        joined[length] = '\0';
        *cursor = at + word_length;
    }
}

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
    fprintf(out, "option name UCI_Variant type combo default antichess var antichess\n");
    fprintf(out, "uciok\n");
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
        if (!same_name(value, "antichess")) {
            snprintf(error, UCI_ERROR_SIZE, "variant '%.40s' is not played: only antichess", value);
            return 0;
        }
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
    for (word = next_word(&cursor); word; word = next_word(&cursor)) {
        if (!play_move_text(word, error, UCI_ERROR_SIZE)) return 0;
    }
    return 1;
}

// "go perft N": the divide of the position; 0 with a message for a bad depth.
int go_perft(char *cursor, FILE *out, char *error) {
    char *word = next_word(&cursor);
    unsigned long depth = 0;
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

// "go": the choice at the Level and Seed, as bestmove --level --seed makes it; the clock
// parameters are read past, since the levels search to a fixed depth.
void go_choose(FILE *out) {
    UciClock::time_point start = UciClock::now();
    ToolChoice choice = choose_for_tool(uci_level, uci_seed);
    int64_t micros =
        std::chrono::duration_cast<std::chrono::microseconds>(UciClock::now() - start).count();
    int64_t per_second = micros > 0 ? choice.nodes * MICROS_PER_SECOND / micros : 0;
    fprintf(out,
            "info depth %d score cp %d nodes %" PRId64 " nps %" PRId64 " time %" PRId64
            " string source %s\n",
            (int)search_depth, (int)choice.score, choice.nodes, per_second, micros / MICROS_PER_MS,
            choice.source == SOURCE_GIVEAWAY ? "giveaway" : "search");
    fprintf(out, "bestmove %s\n", choice.move[0] ? choice.move : "0000");
}

// Runs one command line; 0 when the loop is to end.
int run_command(char *line, FILE *out) {
    char error[UCI_ERROR_SIZE] = "";
    char *cursor = line;
    char *command = next_word(&cursor);
    if (!command) return 1;
    if (strcmp(command, "quit") == 0) return 0;
    if (strcmp(command, "uci") == 0) {
        print_identity(out);
    } else if (strcmp(command, "isready") == 0) {
        fprintf(out, "readyok\n");
    } else if (strcmp(command, "ucinewgame") == 0) {
        setup_start_position();
    } else if (strcmp(command, "setoption") == 0) {
        if (!set_option(cursor, error)) report_error(out, error);
    } else if (strcmp(command, "position") == 0) {
        SavedPosition saved = save_position();
        if (!set_position(cursor, error)) {
            restore_position(saved);
            report_error(out, error);
        }
    } else if (strcmp(command, "go") == 0) {
        char *rest = cursor;
        char *word = next_word(&rest);
        if (word && strcmp(word, "perft") == 0) {
            if (!go_perft(rest, out, error)) report_error(out, error);
        } else {
            go_choose(out);
        }
    }
    return 1;  // stop, debug, register, ponderhit and anything unknown are ignored
}

}  // namespace

// The loop starts from the start position with the options at their defaults.
void run_uci(FILE *in, FILE *out) {
    char line[UCI_LINE_SIZE];
    int too_long = 0;
    uci_level = DEFAULT_LEVEL;
    uci_seed = DEFAULT_SEED;
    setup_start_position();
    while (read_line(in, line, &too_long)) {
        if (too_long) {
            char error[UCI_ERROR_SIZE];
            snprintf(error, UCI_ERROR_SIZE, "line longer than %d bytes ignored", UCI_LINE_SIZE - 1);
            report_error(out, error);
        } else if (!run_command(line, out)) {
            break;
        }
        fflush(out);
    }
    fflush(out);
}
