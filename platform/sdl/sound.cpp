// PlaySoundW on the desktop: a WAV file converted once to the sound device's format and played
// from memory; a new sound cuts off the one playing, the no-sound call stops it. Without a
// sound device every sound is silence.
#include <SDL.h>

#include <algorithm>
#include <cstring>
#include <vector>

#include "platform/common/files.h"
#include "platform/common/windows.h"
#include "platform/sdl/internal.h"
#include "platform/sdl/sdl_device.h"

namespace {

const int DEVICE_RATE = 44100;
const Uint16 DEVICE_SAMPLES = 1024;  // frames per callback: about 23 ms

SDL_AudioDeviceID audio = 0;     // the open sound device, 0 when there is none
SDL_AudioSpec device_spec{};     // the format the device plays (valid while audio is open)
// The playing sound in the device's format, and how far the device has played it; both
// guarded by the device's lock.
std::vector<Uint8> samples;
size_t played = 0;

// The sound device's callback: the rest of the sound, then silence.
void fill(void *, Uint8 *stream, int length) {
    size_t count = std::min(size_t(length), samples.size() - played);
    if (count > 0) std::memcpy(stream, samples.data() + played, count);
    played += count;
    std::memset(stream + count, device_spec.silence, size_t(length) - count);
}

// Loads a WAV file and converts it to the device's format at its exact length (SDL_AudioCVT
// keeps every sample where a resampling stream would drop the tail). False when unreadable.
bool load(const std::string &path, std::vector<Uint8> *out) {
    SDL_AudioSpec spec;
    Uint8 *buffer = nullptr;
    Uint32 length = 0;
    if (!SDL_LoadWAV(path.c_str(), &spec, &buffer, &length)) return false;
    SDL_AudioCVT cvt;
    bool ok = SDL_BuildAudioCVT(&cvt, spec.format, spec.channels, spec.freq, device_spec.format, device_spec.channels,
                                device_spec.freq) >= 0;
    if (ok) {
        std::vector<Uint8> work(size_t(length) * size_t(cvt.len_mult));
        std::memcpy(work.data(), buffer, length);
        cvt.buf = work.data();
        cvt.len = int(length);
        ok = cvt.needed == 0 || SDL_ConvertAudio(&cvt) == 0;
        work.resize(cvt.needed ? size_t(cvt.len_cvt) : length);
        out->swap(work);
    }
    SDL_FreeWAV(buffer);
    return ok;
}

// Replaces what the device plays (an empty sound stops it).
void start(std::vector<Uint8> *sound) {
    SDL_LockAudioDevice(audio);
    samples.swap(*sound);
    played = 0;
    SDL_UnlockAudioDevice(audio);
}

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
    samples.clear();
    played = 0;
}

uint32_t sdl_sound_length() {
    if (audio == 0) return 0;
    SDL_LockAudioDevice(audio);
    uint32_t left = uint32_t(samples.size() - played);
    SDL_UnlockAudioDevice(audio);
    return left;
}

void sdl_sound_hold(bool hold) {
    if (audio != 0) SDL_PauseAudioDevice(audio, hold ? 1 : 0);
}

BOOL PlaySoundW(LPCWSTR pszSound, HMODULE, DWORD) {
    if (audio == 0) return TRUE;  // no sound device: every sound is silence
    std::vector<Uint8> sound;
    if (pszSound && !load(device_host_path(pszSound), &sound)) return FALSE;
    start(&sound);
    return TRUE;
}
