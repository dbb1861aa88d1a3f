// The folders of the game's files and the five sound effects.
#ifndef VORLEN_SOUND_SOUND_H
#define VORLEN_SOUND_SOUND_H

#include <cstdint>
#include <string>

#include "platform/device.h"

extern std::u16string sound_folder;     // the executable's folder + "\Sound\"
extern std::u16string pictures_folder;  // the executable's folder + "\Graph\"
extern uint8_t sound_enabled;           // 1: effects play; anything else silences them

void build_folders();
void play_sound(LPCWSTR path);
void stop_sound();
void play_menu1_sound();
void play_menu2_sound();
void play_movement_sound();
void play_select_sound();
void play_nope_sound();

#endif
