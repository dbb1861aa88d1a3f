// PlaySoundW on the desktop: a WAV file converted once to the sound device's format, kept, and
// played from memory; a new sound cuts off the one playing, the no-sound call stops it. Without
// a sound device every sound is silence.
#include <SDL.h>

#include <algorithm>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "platform/common/files.h"
#include "platform/common/session_device.h"
#include "platform/common/windows.h"
#include "platform/sdl/internal.h"
#include "platform/sdl/sdl_device.h"

namespace {

const int DEVICE_RATE = 44100;
const Uint16 DEVICE_SAMPLES = 1024;                  // frames per callback: about 23 ms
const size_t MAX_SOUND_FILE_BYTES = size_t(4) << 20;  // the game's effects are tens of kB
const int KEPT_SOUNDS = 8;                            // converted sounds kept, by host path

using Samples = std::shared_ptr<const std::vector<Uint8>>;

// A sound converted once and kept for the next time it is played.
struct KeptSound {
    std::string path;
    Samples samples;
};

SDL_AudioDeviceID audio = 0;     // the open sound device, 0 when there is none
SDL_AudioSpec device_spec{};     // the format the device plays (valid while audio is open)
KeptSound kept[KEPT_SOUNDS];     // filled in turn; the oldest gives way when all are in use
int next_kept = 0;
// The playing sound in the device's format, and how far the device has played it; both
// guarded by the device's lock.
Samples samples;
size_t played = 0;

// The sound device's callback: the rest of the sound, then silence.
void fill(void *, Uint8 *stream, int length) {
    size_t size = samples ? samples->size() : 0;
    size_t count = std::min(size_t(length), size - played);
    if (count > 0) std::memcpy(stream, samples->data() + played, count);
    played += count;
    std::memset(stream + count, device_spec.silence, size_t(length) - count);
}

// The sound at a host path in the device's format: kept from an earlier call, or read (when
// not too large) and converted now. Null when unreadable or refused.
Samples load(const std::string &path) {
    for (const KeptSound &sound : kept)
        if (sound.samples && sound.path == path) return sound.samples;
    std::vector<uint8_t> bytes;
    auto converted = std::make_shared<std::vector<Uint8>>();
    if (!read_host_file(path, MAX_SOUND_FILE_BYTES, &bytes) ||
        !decode_wav(bytes.data(), bytes.size(), device_spec, converted.get()))
        return nullptr;
    kept[next_kept] = KeptSound{path, converted};
    next_kept = (next_kept + 1) % KEPT_SOUNDS;
    return converted;
}

// Replaces what the device plays (null stops it).
void start(Samples sound) {
    SDL_LockAudioDevice(audio);
    samples.swap(sound);
    played = 0;
    SDL_UnlockAudioDevice(audio);
}  // the sound cut off is let go here, outside the lock

}  // namespace

void sound_open() {
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return;
    SDL_AudioSpec wanted{};
    wanted.freq = DEVICE_RATE;
    wanted.format = AUDIO_S16SYS;
    wanted.channels = 2;
    wanted.samples = DEVICE_SAMPLES;
    wanted.callback = fill;
    audio = SDL_OpenAudioDevice(nullptr, 0, &wanted, &device_spec, 0);
    if (audio != 0) SDL_PauseAudioDevice(audio, 0);
}

void sound_close() {
    if (audio != 0) SDL_CloseAudioDevice(audio);
    audio = 0;
    samples.reset();
    played = 0;
    for (KeptSound &sound : kept) sound = KeptSound{};
    next_kept = 0;
}

uint32_t sdl_sound_length() {
    if (audio == 0) return 0;
    SDL_LockAudioDevice(audio);
    uint32_t left = samples ? uint32_t(samples->size() - played) : 0;
    SDL_UnlockAudioDevice(audio);
    return left;
}

void sdl_sound_hold(bool hold) {
    if (audio != 0) SDL_PauseAudioDevice(audio, hold ? 1 : 0);
}

BOOL PlaySoundW(LPCWSTR pszSound, HMODULE, DWORD) {
    if (audio == 0 || device_session_catching_up()) return TRUE;  // no sound device, or a kept game playing back
    Samples sound;
    if (pszSound && !(sound = load(device_host_path(pszSound)))) return FALSE;
    start(sound);
    return TRUE;
}
