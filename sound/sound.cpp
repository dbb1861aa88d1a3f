// The folders of the game's files, beside the executable, and the five sound effects, each
// handed by full path to the platform's player, which plays it while the game goes on.
#include "sound/sound.h"

#include "sound/game_files.h"

std::u16string sound_folder;     // the executable's folder + "\Sound\"; empty until build_folders
std::u16string pictures_folder;  // the executable's folder + "\Graph\"; empty until build_folders
uint8_t sound_enabled = 0;       // 1: effects play; anything else silences them (the game sets 1)

namespace {

const DWORD PLAY_FLAGS = SND_FILENAME | SND_ASYNC | SND_NOWAIT;  // return at once; drop if busy
const DWORD STOP_FLAGS = SND_FILENAME | SND_ASYNC;               // with no sound: stop playback

// Plays one file of the sound folder.
void play_effect(const char16_t *file_name) {
    std::u16string path = sound_folder + file_name;
    play_sound(path.c_str());
}

}  // namespace

// Builds both folder paths from the executable's path: its folder (a single backslash when the
// path has none) followed by "\Sound\" or "\Graph\".
void build_folders() {
    WCHAR module_path[MAX_PATH] = {};
    DWORD length = GetModuleFileNameW(nullptr, module_path, MAX_PATH);
    if (length >= MAX_PATH) length = MAX_PATH - 1;  // a truncated path still ends in the buffer
    std::u16string path(module_path, length);
    size_t last = path.rfind(u'\\');
    std::u16string folder = last == std::u16string::npos ? std::u16string(u"\\") : path.substr(0, last);
    sound_folder = folder + u"\\Sound\\";
    pictures_folder = folder + u"\\Graph\\";
}

// Plays a WAV file in the background when sound is on; a sound still playing is cut off.
void play_sound(LPCWSTR path) {
    if (sound_enabled == 1) PlaySoundW(path, nullptr, PLAY_FLAGS);
}

// Stops whatever sound is playing, whether sound is on or off.
void stop_sound() { PlaySoundW(nullptr, nullptr, STOP_FLAGS); }

// The effects, one play_<name>_sound for each file of the list (sound.h declares them).
#define PLAY_FUNCTION(name, use) \
    void play_##name##_sound() { play_effect(u"" #name ".wav"); }
GAME_SOUNDS(PLAY_FUNCTION)
#undef PLAY_FUNCTION
