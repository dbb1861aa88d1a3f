// The desktop's WAV reader: a file's bytes converted to the sound device's format.
#include <SDL.h>

#include <cstring>

#include "platform/sdl/internal.h"

namespace {

const size_t MAX_CONVERTED_BYTES = size_t(32) << 20;  // about three minutes at 44.1 kHz stereo

}  // namespace

// Converts at the sound's exact length (SDL_AudioCVT keeps every sample where a resampling
// stream would drop the tail). An empty sound is silence, not an error.
int decode_wav(const uint8_t *bytes, size_t size, const SDL_AudioSpec &target, std::vector<uint8_t> *out) {
    SDL_AudioSpec spec;
    Uint8 *buffer = nullptr;
    Uint32 length = 0;
    if (size > size_t(INT32_MAX) || !SDL_LoadWAV_RW(SDL_RWFromConstMem(bytes, int(size)), 1, &spec, &buffer, &length))
        return 0;
    SDL_AudioCVT cvt;
    bool ok = SDL_BuildAudioCVT(&cvt, spec.format, spec.channels, spec.freq, target.format, target.channels,
                                target.freq) >= 0 &&
              cvt.len_mult > 0 && size_t(length) * size_t(cvt.len_mult) <= MAX_CONVERTED_BYTES;
    if (ok && length == 0) {
        out->clear();
    } else if (ok) {
        std::vector<uint8_t> work(size_t(length) * size_t(cvt.len_mult));
        std::memcpy(work.data(), buffer, length);
        cvt.buf = work.data();
        cvt.len = int(length);
        ok = cvt.needed == 0 || SDL_ConvertAudio(&cvt) == 0;
        work.resize(cvt.needed ? size_t(cvt.len_cvt) : length);
        out->swap(work);
    }
    SDL_FreeWAV(buffer);
    return ok ? 1 : 0;
}
