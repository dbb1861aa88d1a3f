// Reads "go" as the protocol defines it. The levels search to a fixed depth and their search tries
// every root move, so the clock and node limits and searchmoves are read and named as ignored.
#include "tools/engine/uci_go.h"

#include <cstring>

#include "tools/engine/commands.h"
#include "tools/engine/message.h"
#include "tools/engine/uci_input.h"

namespace {

#define GO_ERROR_SIZE 200
#define LIMIT_COUNT 8
#define MAX_LIMIT_VALUE 4000000000ul  // above any clock in milliseconds a client sends
#define SEARCHMOVES_BIT (1u << LIMIT_COUNT)  // reported like a limit

// The parameters that take a number and that the levels' fixed-depth search cannot honour.
const char *const LIMIT_NAMES[LIMIT_COUNT] = {"wtime", "btime",    "winc",  "binc",
                                              "movestogo", "movetime", "nodes", "mate"};

unsigned reported_limits;  // the limits (and searchmoves) already named in this run

// One "info string error: ..." line for a word of go that was passed over.
void refuse_word(FILE *out, const char *format, const char *word) {
    char error[GO_ERROR_SIZE];
    snprintf(error, sizeof error, format, word);
    make_printable(error, GO_ERROR_SIZE);
    fprintf(out, "info string error: %s\n", error);
}

// The index of a limit's name, or -1.
int limit_index(const char *word) {
    for (int index = 0; index < LIMIT_COUNT; index++) {
        if (strcmp(word, LIMIT_NAMES[index]) == 0) return index;
    }
    return -1;
}

// 1 when the word is one of go's own, which ends a searchmoves list.
int is_go_word(const char *word) {
    return limit_index(word) >= 0 || strcmp(word, "depth") == 0 || strcmp(word, "infinite") == 0 ||
           strcmp(word, "ponder") == 0 || strcmp(word, "searchmoves") == 0 ||
           strcmp(word, "perft") == 0;
}

// Reads a limit's value, a whole number that clocks may give below zero; 0 when it is not one.
int read_limit_value(const char *text) {
    unsigned long value = 0;
    return read_number(text[0] == '-' ? text + 1 : text, MAX_LIMIT_VALUE, &value);
}

// "depth N": N plies, the deepest search standing in for anything deeper. Returns the word
// after, or the word of go's own that stood where the number should be.
char *read_depth(char **cursor, GoRequest &request, FILE *out) {
    char *word = next_word(cursor);
    unsigned long depth = 0;
    if (!word || !read_number(word, MAX_LIMIT_VALUE, &depth) || depth < 1) {
        refuse_word(out, "go depth needs a number of plies from 1, not '%.40s'", word ? word : "");
        return word && is_go_word(word) ? word : next_word(cursor);
    }
    if (depth > MAX_GO_DEPTH) {
        refuse_word(out, "go depth %.20s: searching 6 plies, the deepest there is", word);
        depth = MAX_GO_DEPTH;
    }
    request.depth = (int)depth;
    return next_word(cursor);
}

}  // namespace

// Takes the words one by one; a limit's number, a searchmoves list and depth's plies follow
// their word.
void read_go(char *cursor, GoRequest &request, FILE *out) {
    request = GoRequest{-1, 0, 0, 0, 0};
    char *word = next_word(&cursor);
    while (word) {
        int limit = limit_index(word);
        if (limit >= 0) {
            // A word of go's own where the number should be is read as such.
            char *value = next_word(&cursor);
            if (value && read_limit_value(value)) {
                request.limits |= 1u << limit;
            } else {
                refuse_word(out, "go %.20s needs a whole number", word);
                if (value && is_go_word(value)) {
                    word = value;
                    continue;
                }
            }
        } else if (strcmp(word, "depth") == 0) {
            word = read_depth(&cursor, request, out);
            continue;
        } else if (strcmp(word, "infinite") == 0) {
            request.infinite = 1;
        } else if (strcmp(word, "ponder") == 0) {
            request.ponder = 1;
        } else if (strcmp(word, "searchmoves") == 0) {
            // The moves run to the next word of go's own, which is then read as usual.
            request.searchmoves = 1;
            while ((word = next_word(&cursor)) && !is_go_word(word)) {
            }
            continue;
        } else {
            refuse_word(out, "go: unknown word '%.40s' passed over", word);
        }
        word = next_word(&cursor);
    }
}

// Names the limits not named before in this run, in one line.
void report_ignored(const GoRequest &request, FILE *out) {
    unsigned given = request.limits | (request.searchmoves ? SEARCHMOVES_BIT : 0);
    unsigned fresh = given & ~reported_limits;
    if (!fresh) return;
    reported_limits |= fresh;
    fprintf(out, "info string ignored:");
    for (int index = 0; index < LIMIT_COUNT; index++) {
        if (fresh & (1u << index)) fprintf(out, " %s", LIMIT_NAMES[index]);
    }
    if (fresh & ((1u << LIMIT_COUNT) - 1)) fprintf(out, " (every level searches to a fixed depth)");
    if (fresh & SEARCHMOVES_BIT) fprintf(out, " searchmoves (the move is chosen from all moves)");
    fprintf(out, "\n");
}

// Clears the record of what has been named.
void reset_go_reports() { reported_limits = 0; }
