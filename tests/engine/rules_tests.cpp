// How the pieces move beyond what perft from the start meets: pawns off their first rank,
// kings, blocking by an enemy, the other side's pieces, and squares off the board.
#include <gtest/gtest.h>

#include <string>

#include "engine/rules.h"
#include "tests/engine/engine_fixture.h"

namespace {

const char *const START = "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR";

// Whether the move (like "e2e4") is legal for the side on the board (the placement part of a FEN).
bool legal(const std::string &board, const char *move, int side) {
    set_fen((board + " w - - 0 1").c_str());
    return is_legal_move(move[0] - 'a', move[1] - '1', move[2] - 'a', move[3] - '1', side);
}

}  // namespace

TEST(Rules, EachKindMovesByItsGeometryAndIsBlocked) {
    const struct {
        const char *board, *move;
        int side;
        bool legal;
    } cases[] = {
        {"8/8/8/8/8/8/4P3/8", "e2e5", White, false},  // pawns step one or two squares
        {"8/8/8/8/4p3/8/4P3/8", "e2e4", White, false},  // straight onto an enemy
        {"8/8/8/8/4p3/4P3/4P3/8", "e2e4", White, false},
        {"1R6/p7/1P6/8/8/8/8/8", "a7b6", Black, true},  // pawns capture diagonally forward only
        {"1R6/p7/1P6/8/8/8/8/8", "a7b8", Black, false},
        {"1R6/p7/1P6/8/8/8/8/8", "a7a5", Black, true},
        {"8/8/8/8/8/3P4/8/8", "d3d5", White, false},  // no double step off the starting rank
        {"8/8/8/8/8/4k3/r7/4K3", "e1g1", White, false},  // kings step one square, never castle
        {"8/8/8/8/8/4k3/r7/4K3", "e1e2", White, true},  // attacked by both: there is no check
        {"8/8/8/8/8/4k3/r7/4K3", "e3e2", Black, true},
        {"8/8/8/8/8/8/5k2/4K3", "e1f2", White, true},  // a king takes a king
        {"rnbqkbnr/p1pppppp/p7/8/8/8/1PPPPPPP/RNBQKBNR", "a1a6", White, true},
        {"rnbqkbnr/p1pppppp/p7/8/8/8/1PPPPPPP/RNBQKBNR", "a1a7", White, false},  // behind the enemy
        {START, "b1c3", Black, false},  // the other colour's piece
        {START, "e2e2", White, false},  // from = to
        {START, "e5e6", White, false},  // empty from square
        {"8/8/8/8/8/8/8/R6R", "a1a9", White, false},  // off the board: rank 8, file -1
        {"8/8/8/8/8/8/8/R6R", "a1`1", White, false},
    };
    for (const auto &c : cases) EXPECT_EQ(legal(c.board, c.move, c.side), c.legal) << c.board << " " << c.move;
}
