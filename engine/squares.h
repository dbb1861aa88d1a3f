// The searches' fast view of the board: a set of squares as 64 bits, the squares each colour
// holds, and the squares a piece can reach, found along rays that stop at the first piece met.
// The PieceTable and BoardMap stay the truth; these sets are rebuilt from them when a search
// starts and kept in step by try_move and take_back while it runs. The game never reads them.
#ifndef VORLEN_ENGINE_SQUARES_H
#define VORLEN_ENGINE_SQUARES_H

#include <cstdint>

#include "engine/captures.h"
#include "engine/position.h"

// Bit square_code(file, rank). Taking the lowest bit first visits targets by rank, then by file: the
// order in which the searches have always tried them.
typedef uint64_t SquareSet;

extern SquareSet side_squares[2];  // the squares held by White's and by Black's pieces

// The bit of a square.
inline SquareSet square_bit(int file, int rank) { return (SquareSet)1 << square_code(file, rank); }
// The square code of the lowest square in a set that is not empty.
inline int lowest_square(SquareSet squares) { return __builtin_ctzll(squares); }
// The square code of the highest square in a set that is not empty.
inline int highest_square(SquareSet squares) {
    return (SQUARE_COUNT - 1) - __builtin_clzll(squares);
}
// The number of squares in a set, by adding bit counts in ever wider fields (no instruction
// for it is assumed of the processor).
inline int square_total(SquareSet squares) {
    squares -= (squares >> 1) & 0x5555555555555555ull;
    squares = (squares & 0x3333333333333333ull) + ((squares >> 2) & 0x3333333333333333ull);
    squares = (squares + (squares >> 4)) & 0x0F0F0F0F0F0F0F0Full;
    return (int)((squares * 0x0101010101010101ull) >> 56);
}

// Rebuilds side_squares from the BoardMap and the PieceTable.
void sync_side_squares();
// Fills attacks[index] with the squares piece side * 16 + index attacks (where it would capture
// an enemy; nothing for a piece off the board) and returns the side's captures: 0, 1, or 2 for
// two or more.
int32_t side_attacks(int32_t side, SquareSet attacks[16]);
// The allowed targets of a piece from its attacks: only captures when its side has one.
SquareSet targets_from(int id, SquareSet attacks, int32_t captures);
// Fills targets[index] with the allowed targets of piece side * 16 + index (only captures when
// the side has one) and returns the side's captures: 0, 1, or 2 for two or more.
int32_t list_targets(int32_t side, SquareSet targets[16]);
// The captures of `side`: 0, 1, or 2 for two or more (it stops there). With exactly one, *only
// is that capture.
int32_t count_captures(int32_t side, CapturePair *only);

#endif
