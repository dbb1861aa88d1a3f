// Compulsory capture and game end: the captures of the side to move and the no-legal-move test.
#ifndef VORLEN_ENGINE_CAPTURES_H
#define VORLEN_ENGINE_CAPTURES_H

#include <cstdint>

#define CAPTURE_LIST_SIZE 32

struct CapturePair {
    int8_t attacker;
    int8_t victim;
};

extern CapturePair CaptureList[CAPTURE_LIST_SIZE];
extern int32_t capture_count;  // exact for 0 and 1; otherwise at least 2 with the limit 1

void add_capture(int attacker, int victim);
void generate_captures(int32_t limit);
int has_no_legal_move();

#endif
