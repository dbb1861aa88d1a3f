// vorlen-engine: the engine from the command line, for checking it from outside and timing it.
#include <cstdio>

#include "tools/engine/commands.h"

int main(int argc, char **argv) { return run_engine_tool(argc, argv, stdout, stderr); }
