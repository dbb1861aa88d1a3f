// The parameters of the UCI "go" command, read as the protocol defines them.
#ifndef VORLEN_TOOLS_ENGINE_UCI_GO_H
#define VORLEN_TOOLS_ENGINE_UCI_GO_H

#include <cstdio>

#define MAX_GO_DEPTH 6  // the deepest of the levels' searches

// What one "go" asks for.
struct GoRequest {
    int depth;        // plies to search, 1..MAX_GO_DEPTH; -1 for the level's depth
    int infinite;     // 1: answer only on stop
    int ponder;       // 1: answer only on ponderhit or stop
    int searchmoves;  // 1: the root moves were to be restricted
    unsigned limits;  // one bit per clock or node limit given (wtime, nodes, ...)
};

// Reads the words after "go" into `request`; each word it cannot take gets one
// "info string error: ..." line on `out` and is passed over, so the search still answers.
void read_go(char *cursor, GoRequest &request, FILE *out);
// Says once per run of the loop, in one "info string" line, which of the given limits are
// ignored because every level searches to its fixed depth, and that searchmoves is.
void report_ignored(const GoRequest &request, FILE *out);
// Forgets which limits have been reported: the loop starts again.
void reset_go_reports();

#endif
