// Reads the engine tool's command line, sets up the position it names and runs the command.
#include "tools/engine/commands.h"

#include <cinttypes>
#include <cstdlib>
#include <cstring>

#include "engine/position.h"
#include "engine/search.h"
#include "tools/engine/bench.h"
#include "tools/engine/choice.h"
#include "tools/engine/fen.h"
#include "tools/engine/message.h"
#include "tools/engine/moves.h"
#include "tools/engine/perft.h"

namespace {

#define ERROR_SIZE 160
#define MAX_DEPTH 12          // deeper perft would run for days
#define MOVE_TOKEN_SIZE 16    // longer words in --moves are malformed moves anyway

enum Command { PERFT, DIVIDE, MOVES, BESTMOVE, BENCH, COMMAND_COUNT };

// What each command takes: a depth argument (its least value, or -1 for none), the position
// options, the choice options.
struct CommandShape {
    const char *name;
    int least_depth;
    int takes_position;
    int takes_choice;
};

const CommandShape COMMANDS[COMMAND_COUNT] = {{"perft", 0, 1, 0},
                                              {"divide", 1, 1, 0},
                                              {"moves", -1, 1, 0},
                                              {"bestmove", -1, 1, 1},
                                              {"bench", -1, 0, 0}};

// Everything read from the command line.
struct ToolRequest {
    int command;
    int depth;
    const char *fen;    // null: the start position
    const char *moves;  // null: no moves
    int level;
    unsigned seed;
};

// Reads the value of one option into the request; 0 with a message when it is not allowed.
int read_option(const char *name, const char *value, const CommandShape &shape,
                ToolRequest &request, char *error) {
    unsigned long number = 0;
    if (shape.takes_position && strcmp(name, "--fen") == 0) {
        request.fen = value;
    } else if (shape.takes_position && strcmp(name, "--moves") == 0) {
        request.moves = value;
    } else if (shape.takes_choice && strcmp(name, "--level") == 0) {
        if (!read_number(value, LEVEL_COUNT - 1, &number)) {
            snprintf(error, ERROR_SIZE, "level '%s' is not a number from 0 to %d", value,
                     LEVEL_COUNT - 1);
            return 0;
        }
        request.level = (int)number;
    } else if (shape.takes_choice && strcmp(name, "--seed") == 0) {
        if (!read_number(value, MAX_SEED, &number)) {
            snprintf(error, ERROR_SIZE, "seed '%s' is not a number from 0 to %u", value, MAX_SEED);
            return 0;
        }
        request.seed = (unsigned)number;
    } else {
        snprintf(error, ERROR_SIZE, "unknown option '%s' for %s", name, shape.name);
        return 0;
    }
    return 1;
}

// Reads the whole command line into the request; 0 with a message when it is bad.
int read_request(int argc, const char *const argv[], ToolRequest &request, char *error) {
    request = ToolRequest{-1, -1, nullptr, nullptr, 1, 1};
    if (argc < 2) {
        snprintf(error, ERROR_SIZE, "no command: use perft, divide, moves, bestmove, bench, uci or --help");
        return 0;
    }
    for (int command = 0; command < COMMAND_COUNT; command++) {
        if (strcmp(argv[1], COMMANDS[command].name) == 0) request.command = command;
    }
    if (request.command < 0) {
        snprintf(error, ERROR_SIZE, "unknown command '%s' (--help lists them)", argv[1]);
        return 0;
    }
    const CommandShape &shape = COMMANDS[request.command];
    int next = 2;
    if (shape.least_depth >= 0) {
        unsigned long depth = 0;
        if (next >= argc || !read_number(argv[next], MAX_DEPTH, &depth) ||
            (int)depth < shape.least_depth) {
            snprintf(error, ERROR_SIZE, "%s needs a depth from %d to %d", shape.name,
                     shape.least_depth, MAX_DEPTH);
            return 0;
        }
        request.depth = (int)depth;
        next++;
    }
    for (; next < argc; next += 2) {
        if (strncmp(argv[next], "--", 2) != 0) {
            snprintf(error, ERROR_SIZE, "unexpected argument '%s'", argv[next]);
            return 0;
        }
        if (next + 1 >= argc) {
            snprintf(error, ERROR_SIZE, "option '%s' needs a value", argv[next]);
            return 0;
        }
        if (!read_option(argv[next], argv[next + 1], shape, request, error)) return 0;
    }
    return 1;
}

// Plays the words of --moves one by one as committed moves.
int play_move_list(const char *list, char *error) {
    const char *at = list;
    while (*at) {
        if (*at == ' ' || *at == '\t') {
            at++;
            continue;
        }
        size_t length = strcspn(at, " \t");
        char word[MOVE_TOKEN_SIZE];
        if (length >= MOVE_TOKEN_SIZE) length = MOVE_TOKEN_SIZE - 1;
        memcpy(word, at, length);
        word[length] = '\0';
        if (!play_move_text(word, error, ERROR_SIZE)) return 0;
        at += strcspn(at, " \t");
    }
    return 1;
}

// Sets up the start position or the FEN, then plays the moves.
int set_up_position(const ToolRequest &request, char *error) {
    if (request.fen) {
        if (!load_fen(request.fen, error, ERROR_SIZE)) return 0;
    } else {
        setup_start_position();
    }
    return request.moves ? play_move_list(request.moves, error) : 1;
}

// The legal moves in text order, one a line.
void print_moves(FILE *out) {
    ToolMove moves[MAX_LEGAL_MOVES];
    int count = list_legal_moves(moves);
    sort_moves_by_text(moves, count);
    for (int index = 0; index < count; index++) {
        char text[MOVE_TEXT_SIZE];
        format_move(moves[index], text);
        fprintf(out, "%s\n", text);
    }
}

// The computer's choice at the level and seed, as one line.
void print_best_move(const ToolRequest &request, FILE *out) {
    ToolChoice choice = choose_for_tool(request.level, request.seed, -1);
    fprintf(out, "bestmove %s score %d nodes %" PRId64 " source %s\n",
            choice.move[0] ? choice.move : "none", (int)choice.score, choice.nodes,
            choice.source == SOURCE_GIVEAWAY ? "giveaway" : "search");
}

}  // namespace

// Reads a whole decimal number from 0 to `most`; 0 when the text is not one.
int read_number(const char *text, unsigned long most, unsigned long *value) {
    if (*text == '\0') return 0;
    unsigned long number = 0;
    for (const char *at = text; *at; at++) {
        if (*at < '0' || *at > '9') return 0;
        unsigned long digit = (unsigned long)(*at - '0');
        // Refused before the sum is formed: where long has 32 bits it would wrap past most.
        if (digit > most || number > (most - digit) / 10) return 0;
        number = number * 10 + digit;
    }
    *value = number;
    return 1;
}

// The commands and options, as --help shows them.
void print_usage(FILE *out) {
    fputs("usage: vorlen-engine [COMMAND]\n"
          "  (no command) or uci                           the Universal Chess Interface on stdin and stdout\n"
          "  perft DEPTH [--fen FEN] [--moves \"M1 M2 ...\"]  the leaf count at DEPTH\n"
          "  divide DEPTH [--fen FEN] [--moves \"...\"]       each root move's count, then the total\n"
          "  moves [--fen FEN] [--moves \"...\"]              the legal moves, one a line\n"
          "  bestmove [--level L] [--seed S] [--fen FEN] [--moves \"...\"]\n"
          "                                                the computer's choice (level 0 to 14)\n"
          "  bench                                         perft speed and the choice per level band\n"
          "  --help                                        this text\n",
          out);
}

// Reads the request and the position before writing anything, so bad input prints nothing.
int run_engine_tool(int argc, const char *const argv[], FILE *out, FILE *err) {
    ToolRequest request;
    char error[ERROR_SIZE] = "";
    if (argc == 2 && (strcmp(argv[1], "--help") == 0 || strcmp(argv[1], "-h") == 0)) {
        print_usage(out);
        return 0;
    }
    if (!read_request(argc, argv, request, error) || !set_up_position(request, error)) {
        make_printable(error, ERROR_SIZE);
        fprintf(err, "vorlen-engine: %s\n", error);
        return EXIT_BAD_INPUT;
    }
    switch (request.command) {
    case PERFT:
        fprintf(out, "%" PRIu64 "\n", perft(request.depth));
        break;
    case DIVIDE:
        print_divide(request.depth, out);
        break;
    case MOVES:
        print_moves(out);
        break;
    case BESTMOVE:
        print_best_move(request, out);
        break;
    default:
        run_bench(out);
        break;
    }
    return 0;
}
