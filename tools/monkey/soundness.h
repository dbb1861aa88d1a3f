// What the monkey checks after every frame: the position and the game's state are sound.
#ifndef VORLEN_TOOLS_MONKEY_SOUNDNESS_H
#define VORLEN_TOOLS_MONKEY_SOUNDNESS_H

#include <string>

// The first fault found in the game's state, or "" when it is sound. With position false
// (inside a search, where moves are tried in place) only the options and screens are checked.
std::string first_fault(bool position);

#endif
