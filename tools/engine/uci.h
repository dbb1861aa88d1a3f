// The Universal Chess Interface: chess programs and scripts drive the engine over a pipe.
#ifndef VORLEN_TOOLS_ENGINE_UCI_H
#define VORLEN_TOOLS_ENGINE_UCI_H

#include <cstdio>

// Answers the UCI commands read from `in` on `out`, one line at a time, until "quit" or the end
// of the input. Bad commands get one "info string error: ..." line; unknown ones are ignored.
void run_uci(FILE *in, FILE *out);

#endif
