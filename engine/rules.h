// How the pieces move in losing chess: the single legality test.
#ifndef VORLEN_ENGINE_RULES_H
#define VORLEN_ENGINE_RULES_H

#include <cstdint>

// 1 when the piece of `colour` on the from square may move to the to square, else 0.
int32_t is_legal_move(int32_t from_file, int32_t from_rank, int32_t to_file, int32_t to_rank,
                      int32_t colour);
// The rank on which a pawn of `colour` promotes: 7 for White, 0 for Black.
int32_t last_rank_of(int32_t colour);

#endif
