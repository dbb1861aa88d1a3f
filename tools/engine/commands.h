// The engine tool's command line: perft, divide, moves, bestmove and bench (main starts the UCI
// loop, which reads the process's input).
#ifndef VORLEN_TOOLS_ENGINE_COMMANDS_H
#define VORLEN_TOOLS_ENGINE_COMMANDS_H

#include <cstdio>

#define EXIT_BAD_INPUT 2  // the exit status for any input the tool refuses

// Runs one command line (argv[0] is the program) writing results to `out`; on bad input writes
// one line to `err`, nothing to `out`, and returns EXIT_BAD_INPUT. Otherwise returns 0; "--help"
// (or "-h") alone prints the usage to `out`. It never reads the process's input, so it may be
// called with any arguments ("uci" is refused here).
int run_engine_tool(int argc, const char *const argv[], FILE *out, FILE *err);
// Reads a whole decimal number from 0 to `most` into *value; 0 when the text is not one.
int read_number(const char *text, unsigned long most, unsigned long *value);

#endif
