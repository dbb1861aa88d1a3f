// vorlen-art: writes the game's pictures and sounds into the Graph and Sound folders of the
// folder it is given (the build puts them beside the game's executable).
#include <cstdio>

#include "tools/art/generate.h"

int main(int argc, char **argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: vorlen-art <folder that receives Graph/ and Sound/>\n");
        return 2;
    }
    return write_art(argv[1]) ? 0 : 1;
}
