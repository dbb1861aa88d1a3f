// Writing every picture and sound of the game into a folder.
#ifndef VORLEN_TOOLS_ART_GENERATE_H
#define VORLEN_TOOLS_ART_GENERATE_H

#include <string>

int write_art(const std::string &folder);

#endif
