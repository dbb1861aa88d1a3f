// The game's five sound effects, synthesised: soft envelopes, no clicks, moderate volume.
#ifndef VORLEN_TOOLS_ART_SOUNDS_H
#define VORLEN_TOOLS_ART_SOUNDS_H

#include <cstdint>
#include <vector>

#include "sound/game_files.h"

#define SOUND_COUNT GAME_SOUND_COUNT

using Samples = std::vector<int16_t>;

Samples make_menu1();
Samples make_menu2();
Samples make_movement();
Samples make_select();
Samples make_nope();

// One sound file: its name in the sounds folder and how it is made.
struct SoundFile {
    const char *name;
    Samples (*make)();
};

extern const SoundFile SOUND_FILES[SOUND_COUNT];

#endif
