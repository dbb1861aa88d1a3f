// vorlen-engine: the engine from the command line, for checking it from outside and timing it,
// and the UCI loop on standard input and output for chess programs. Chess programs start an
// engine without arguments, so that is the UCI loop too.
#include <cstdio>
#include <cstring>

#include "tools/engine/commands.h"
#include "tools/engine/uci.h"

int main(int argc, char **argv) {
    if (argc < 2 || strcmp(argv[1], "uci") == 0) {
        if (argc > 2) {
            fprintf(stderr, "vorlen-engine: uci takes no arguments\n");
            return EXIT_BAD_INPUT;
        }
        run_uci(stdin, stdout);
        return 0;
    }
    return run_engine_tool(argc, argv, stdout, stderr);
}
