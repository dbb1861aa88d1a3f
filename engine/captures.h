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
// generate_captures(1) for `side` instead of side_to_move, which it leaves as it was; returns
// capture_count. The searches use it to look at either side from the computer's point of view.
int32_t captures_of_side(int32_t side);
// 1 when is_legal_move accepts the move for `side` and, when `captures` (the side's capture
// count) is above 0, the target holds a piece: the moves the compulsory capture leaves.
int is_allowed_move(int from_file, int from_rank, int to_file, int to_rank, int32_t side,
                    int32_t captures);

#endif
