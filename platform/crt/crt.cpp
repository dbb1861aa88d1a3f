// The device's C runtime random generator. It replaces the host's rand and srand for the whole
// program, so that a seed gives the same sequence, and so the same game, on every host. (The
// host's <cstdlib> is left out: C libraries differ in the exception specifications they declare.)

namespace {
unsigned int rand_state = 1;  // the generator's state; 1 until the first srand, as on the device
}

extern "C" void srand(unsigned int seed) { rand_state = seed; }

extern "C" int rand(void) {
    rand_state = rand_state * 214013u + 2531011u;
    return (int)((rand_state >> 16) & 0x7FFF);
}
