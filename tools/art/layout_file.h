// The screens' tap rectangles as a JSON file, for programs outside C++ (the browser tests'
// driver) that tap the game's buttons and cells.
#ifndef VORLEN_TOOLS_ART_LAYOUT_FILE_H
#define VORLEN_TOOLS_ART_LAYOUT_FILE_H

#include <string>

// The JSON text: {"panel": {name: [x0, y0, x1, y1], ...}, "menu": {name: rectangle or list of
// rectangles by value}}, screen pixels with both corners included.
std::string layout_json();
// Writes it to the file; 1 when written.
int write_layout_file(const std::string &path);

#endif
