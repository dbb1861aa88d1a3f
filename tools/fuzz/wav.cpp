// Fuzz target: the desktop device's WAV reader converting to the sound device's usual format.
#include <SDL.h>

#include <cstdint>
#include <vector>

#include "platform/sdl/internal.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    SDL_AudioSpec target{};
    target.freq = 44100;
    target.format = AUDIO_S16SYS;
    target.channels = 2;
    std::vector<uint8_t> samples;
    decode_wav(data, size, target, &samples);
    return 0;
}
