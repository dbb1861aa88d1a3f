// vorlen-art: writes the game's pictures and sounds into the Graph and Sound folders of the
// folder it is given (the build puts them beside the game's executable), and the game's icon
// at every size into its icons folder. With --window-icon it writes instead the C++ source
// of the window's icon that the desktop device is built with; with --layout, the screens' tap
// rectangles as JSON.
#include <cstdio>
#include <cstring>

#include "tools/art/generate.h"
#include "tools/art/icon.h"
#include "tools/art/layout_file.h"

int main(int argc, char **argv) {
    if (argc == 3 && std::strcmp(argv[1], "--window-icon") == 0) return write_window_icon_source(argv[2]) ? 0 : 1;
    if (argc == 3 && std::strcmp(argv[1], "--layout") == 0) return write_layout_file(argv[2]) ? 0 : 1;
    if (argc != 2 || argv[1][0] == '-') {
        std::fprintf(stderr, "usage: vorlen-art FOLDER          writes FOLDER/Graph, FOLDER/Sound and FOLDER/icons\n"
                             "       vorlen-art --window-icon FILE.cpp\n"
                             "       vorlen-art --layout FILE.json\n");
        return 2;
    }
    return write_art(argv[1]) && write_icons(argv[1]) ? 0 : 1;
}
