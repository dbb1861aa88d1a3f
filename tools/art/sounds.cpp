// Sound synthesis: sine partials and filtered noise under smooth envelopes.
#include "tools/art/sounds.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>

#include "tools/art/files.h"

// Each file of the game's list, made by make_<name>.
#define SOUND_FILE(name, use) {#name ".wav", make_##name},
const SoundFile SOUND_FILES[SOUND_COUNT] = {GAME_SOUNDS(SOUND_FILE)};
#undef SOUND_FILE

namespace {

const double TAU = 6.283185307179586;
const double FADE_SECONDS = 0.006;  // every sound ends on a short fade to silence
const double FULL_SCALE = 32767;

// A signal being built in floating point, one value per sample, nominally within -1..1.
using Signal = std::vector<double>;

Signal silence(double seconds) { return Signal(size_t(seconds * SAMPLE_RATE), 0.0); }

// Rises smoothly (a squared sine) over `attack` seconds and dies away with time constant
// `decay` from the start, so notes begin without a click.
double pluck(double t, double attack, double decay) {
    double rise = t < attack ? std::sin(TAU / 4 * t / attack) : 1.0;
    return rise * rise * std::exp(-t / decay);
}

// One decaying tone: a fundamental with a softer octave above.
struct Note {
    double start;   // seconds from the beginning of the sound
    double hz;
    double level;   // peak share of full scale, before the envelope
    double attack;  // seconds of the rise
    double decay;   // time constant of the fall, seconds
    double octave;  // strength of the octave against the fundamental
};

// Adds the note into the signal.
void add_note(Signal &s, const Note &n) {
    for (size_t i = size_t(n.start * SAMPLE_RATE); i < s.size(); i++) {
        double t = double(i) / SAMPLE_RATE - n.start;
        double wave = std::sin(TAU * n.hz * t) + n.octave * std::sin(TAU * 2 * n.hz * t);
        s[i] += n.level * pluck(t, n.attack, n.decay) * wave / (1 + n.octave);
    }
}

// Converts to 16-bit samples after fading the tail, so no sound ends on a jump.
Samples finish(Signal s) {
    size_t fade = size_t(FADE_SECONDS * SAMPLE_RATE);
    for (size_t k = 0; k < fade && k < s.size(); k++) s[s.size() - 1 - k] *= double(k) / fade;
    Samples out(s.size());
    for (size_t i = 0; i < s.size(); i++) out[i] = int16_t(std::lround(std::clamp(s[i], -1.0, 1.0) * FULL_SCALE));
    return out;
}

// A repeatable noise source (a linear congruential generator), values in -1..1.
struct Noise {
    uint32_t state = 12345;
    double next() {
        state = state * 1664525u + 1013904223u;
        return double(state >> 8) / double(1 << 23) - 1.0;
    }
};

// A sound of the given length made of notes.
Samples notes(double seconds, std::initializer_list<Note> list) {
    Signal s = silence(seconds);
    for (const Note &n : list) add_note(s, n);
    return finish(s);
}

}  // namespace

// A light, short tick: an option was chosen.
Samples make_menu1() { return notes(0.09, {{0, 1318.5, 0.40, 0.002, 0.022, 0.25}}); }

// A rising two-note chime: a screen opens or a game starts.
Samples make_menu2() {
    return notes(0.38, {{0, 784.0, 0.26, 0.006, 0.09, 0.3}, {0.085, 1174.7, 0.26, 0.008, 0.12, 0.3}});
}

// Two low notes falling a third, muted: the move is refused.
Samples make_nope() {
    return notes(0.34, {{0, 329.6, 0.36, 0.012, 0.07, 0.45}, {0.13, 261.6, 0.36, 0.012, 0.09, 0.45}});
}

// A soft woody knock: a piece is picked up or put back.
Samples make_select() {
    Signal s = silence(0.12);
    for (size_t i = 0; i < s.size(); i++) {
        double t = double(i) / SAMPLE_RATE;
        double hz = 440 + 180 * std::exp(-t / 0.01);  // the pitch falls as in a struck block
        s[i] = 0.5 * pluck(t, 0.002, 0.028) * std::sin(TAU * hz * t);
    }
    return finish(s);
}

// A felt-soft glide of the length of a move's slide: noise through a low-pass filter whose
// opening swells and settles, under a gentle rise and fall.
Samples make_movement() {
    const double seconds = 0.66;
    Signal s = silence(seconds);
    Noise noise;
    double low = 0, lower = 0;
    for (size_t i = 0; i < s.size(); i++) {
        double t = double(i) / SAMPLE_RATE, phase = t / seconds;
        double cutoff = 500 + 1300 * std::sin(3.14159265 * phase);
        double k = 1 - std::exp(-TAU * cutoff / SAMPLE_RATE);
        low += k * (noise.next() - low);
        lower += k * (low - lower);
        double swell = std::sin(3.14159265 * std::min(1.0, phase * 1.08));
        s[i] = 0.55 * swell * swell * lower;
    }
    return finish(s);
}
