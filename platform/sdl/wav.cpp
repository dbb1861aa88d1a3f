// The desktop's WAV reader: a file's bytes converted to the sound device's format.
#include <SDL.h>

#include <cstring>

#include "platform/sdl/internal.h"

namespace {

const size_t MAX_CONVERTED_BYTES = size_t(16) << 20;  // about a minute and a half at 44.1 kHz stereo
const size_t CHUNK_HEADER_BYTES = 8;                  // a RIFF chunk's name and length
const size_t WAVE_START = 12;                         // "RIFF", its length, "WAVE"

// Reads and writes the little-endian length of a chunk header.
uint32_t read_length(const uint8_t *at) { return uint32_t(at[4] | at[5] << 8 | at[6] << 16) | uint32_t(at[7]) << 24; }
void write_length(uint8_t *at, uint32_t length) {
    for (int i = 0; i < 4; ++i) at[4 + i] = uint8_t(length >> (8 * i));
}

// Cuts every chunk length the file states down to the bytes it holds: the reader would
// otherwise set aside what a length claims (up to 4 GB) before it finds the file shorter.
void clamp_chunk_lengths(std::vector<uint8_t> *file) {
    uint8_t *bytes = file->data();
    size_t size = file->size();
    for (size_t at = 0; at + CHUNK_HEADER_BYTES <= size;) {
        size_t room = size - at - CHUNK_HEADER_BYTES;
        if (read_length(bytes + at) > room) write_length(bytes + at, uint32_t(room));
        uint32_t length = read_length(bytes + at);
        at = at == 0 ? WAVE_START : at + CHUNK_HEADER_BYTES + length + (length & 1);
    }
}

}  // namespace

// Converts at the sound's exact length (SDL_AudioCVT keeps every sample where a resampling
// stream would drop the tail). An empty sound is silence, not an error.
int decode_wav(const uint8_t *bytes, size_t size, const SDL_AudioSpec &target, std::vector<uint8_t> *out) {
    if (size > size_t(INT32_MAX)) return 0;
    std::vector<uint8_t> file(bytes, bytes + size);
    clamp_chunk_lengths(&file);
    SDL_AudioSpec spec;
    Uint8 *buffer = nullptr;
    Uint32 length = 0;
    if (!SDL_LoadWAV_RW(SDL_RWFromConstMem(file.data(), int(size)), 1, &spec, &buffer, &length)) return 0;
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
