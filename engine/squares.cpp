// The searches' fast view of the board: which squares each colour holds, and the squares a
// piece reaches, from tables of rays, knight jumps, king steps and pawn captures built once by
// the compiler. A slider's ray ends at the first piece on it, which it may capture when it is
// an enemy; the answers are exactly those of is_legal_move.
#include "engine/squares.h"

#include "engine/position.h"

SquareSet side_squares[2];  // by colour: the squares whose BoardMap entry names its piece

namespace {

#define DIRECTION_COUNT 8

struct Step {
    int file;
    int rank;
};

// The eight directions. Those that go up the square codes (east, north, north-east, north-west)
// meet their first piece at the lowest bit of the ray, the others at the highest.
enum Direction { EAST, NORTH, NORTH_EAST, NORTH_WEST, WEST, SOUTH, SOUTH_WEST, SOUTH_EAST };
constexpr Step DIRECTIONS[DIRECTION_COUNT] = {{1, 0},  {0, 1},  {1, 1},   {-1, 1},
                                          {-1, 0}, {0, -1}, {-1, -1}, {1, -1}};
// The corner square from which every upward ray is empty, and the one for downward rays: a
// stand-in blocker there spares a test for a ray with no piece on it.
constexpr int TOP_CORNER = SQUARE_COUNT - 1, BOTTOM_CORNER = 0;
constexpr Step KNIGHT_JUMPS[8] = {{1, 2},   {2, 1},   {2, -1}, {1, -2},
                              {-1, -2}, {-2, -1}, {-2, 1}, {-1, 2}};
constexpr int PAWN_START_RANK[2] = {1, 6};
constexpr int PAWN_DIRECTION[2] = {1, -1};

// What the rules give a piece on each square of an empty board.
struct ReachTables {
    SquareSet rays[DIRECTION_COUNT][SQUARE_COUNT];  // the squares beyond, to the edge
    SquareSet knight[SQUARE_COUNT];
    SquareSet king[SQUARE_COUNT];
    SquareSet pawn_captures[2][SQUARE_COUNT];  // by colour: the two squares diagonally ahead
};

// The bit of (file, rank), or nothing when the square is off the board.
constexpr SquareSet bit_if_on_board(int file, int rank) {
    return file >= 0 && file < 8 && rank >= 0 && rank < 8 ? (SquareSet)1 << square_code(file, rank) : 0;
}

// Builds every table at compile time from the steps above.
constexpr ReachTables build_reach_tables() {
    ReachTables tables{};
    for (int square = 0; square < SQUARE_COUNT; square++) {
        int file = code_file(square), rank = code_rank(square);
        for (int direction = 0; direction < DIRECTION_COUNT; direction++) {
            const Step step = DIRECTIONS[direction];
            for (int distance = 1; distance < 8; distance++) {
                tables.rays[direction][square] |=
                    bit_if_on_board(file + step.file * distance, rank + step.rank * distance);
            }
            tables.king[square] |= bit_if_on_board(file + step.file, rank + step.rank);
        }
        for (const Step &jump : KNIGHT_JUMPS) {
            tables.knight[square] |= bit_if_on_board(file + jump.file, rank + jump.rank);
        }
        for (int colour = White; colour <= Black; colour++) {
            tables.pawn_captures[colour][square] =
                bit_if_on_board(file - 1, rank + PAWN_DIRECTION[colour]) |
                bit_if_on_board(file + 1, rank + PAWN_DIRECTION[colour]);
        }
    }
    return tables;
}

constexpr ReachTables TABLES = build_reach_tables();

// The squares along an upward ray up to and including the first piece on it.
inline SquareSet up_ray(int direction, int square, SquareSet occupied) {
    SquareSet ray = TABLES.rays[direction][square];
    int first = lowest_square((ray & occupied) | (SquareSet)1 << TOP_CORNER);
    return ray ^ TABLES.rays[direction][first];
}

// The squares along a downward ray up to and including the first piece on it.
inline SquareSet down_ray(int direction, int square, SquareSet occupied) {
    SquareSet ray = TABLES.rays[direction][square];
    int first = highest_square((ray & occupied) | (SquareSet)1 << BOTTOM_CORNER);
    return ray ^ TABLES.rays[direction][first];
}

// A rook's squares: the four straight rays.
inline SquareSet straight_reach(int square, SquareSet occupied) {
    return up_ray(EAST, square, occupied) | up_ray(NORTH, square, occupied) |
           down_ray(WEST, square, occupied) | down_ray(SOUTH, square, occupied);
}

// A bishop's squares: the four diagonal rays.
inline SquareSet diagonal_reach(int square, SquareSet occupied) {
    return up_ray(NORTH_EAST, square, occupied) | up_ray(NORTH_WEST, square, occupied) |
           down_ray(SOUTH_WEST, square, occupied) | down_ray(SOUTH_EAST, square, occupied);
}

// The squares a piece attacks: where it would capture an enemy (a pawn's two diagonals).
inline SquareSet attacks_of(const PieceRecord &piece, SquareSet occupied) {
    int square = square_code(piece.file, piece.rank);
    switch (piece.kind) {
    case Pawn:
        return TABLES.pawn_captures[piece.colour][square];
    case Rook:
        return straight_reach(square, occupied);
    case Knight:
        return TABLES.knight[square];
    case Bishop:
        return diagonal_reach(square, occupied);
    case Queen:
        return straight_reach(square, occupied) | diagonal_reach(square, occupied);
    case King:
        return TABLES.king[square];
    default:
        return 0;
    }
}

// A pawn's steps forward: one onto an empty square, two from its start rank over an empty one.
inline SquareSet pawn_steps(const PieceRecord &pawn, SquareSet occupied) {
    int ahead = pawn.rank + PAWN_DIRECTION[pawn.colour];
    if (ahead < 0 || ahead > 7 || (occupied & square_bit(pawn.file, ahead))) return 0;
    SquareSet steps = square_bit(pawn.file, ahead);
    if (pawn.rank == PAWN_START_RANK[pawn.colour]) {
        steps |= square_bit(pawn.file, ahead + PAWN_DIRECTION[pawn.colour]) & ~occupied;
    }
    return steps;
}

// 1 when the id holds a piece of `side` on the board: the pieces the side may move.
int moves_for(int id, int32_t side) {
    return PieceTable[id].file != CAPTURED && PieceTable[id].colour == side;
}

}  // namespace

// Every piece on the board, by the colour of the piece its square names.
void sync_side_squares() {
    side_squares[White] = 0;
    side_squares[Black] = 0;
    for (int file = 0; file < 8; file++) {
        for (int rank = 0; rank < 8; rank++) {
            int id = BoardMap[board_index(file, rank)];
            if (id == EMPTY_SQUARE) continue;
            side_squares[PieceTable[id].colour == White ? White : Black] |= square_bit(file, rank);
        }
    }
}

// One pass over the side's pieces: what each attacks, and how many captures that makes.
int32_t side_attacks(int32_t side, SquareSet attacks[16]) {
    SquareSet enemy = side_squares[1 - side];
    SquareSet occupied = enemy | side_squares[side];
    int32_t captures = 0;
    for (int index = 0; index < 16; index++) {
        int id = side * 16 + index;
        attacks[index] = moves_for(id, side) ? attacks_of(PieceTable[id], occupied) : 0;
        SquareSet hits = attacks[index] & enemy;
        if (hits) captures += (hits & (hits - 1)) ? 2 : 1;  // two or more count as 2
    }
    return captures > 2 ? 2 : captures;
}

// With a capture on the board only captures are allowed; otherwise a pawn steps forward and
// every other piece goes where it attacks, unless its own side stands there.
SquareSet targets_from(int id, SquareSet attacks, int32_t captures) {
    const PieceRecord &piece = PieceTable[id];
    SquareSet own = side_squares[piece.colour];
    SquareSet enemy = side_squares[1 - piece.colour];
    if (captures) return attacks & enemy;
    return piece.kind == Pawn ? pawn_steps(piece, own | enemy) : attacks & ~own;
}

// The targets of every piece of the side at once.
int32_t list_targets(int32_t side, SquareSet targets[16]) {
    int32_t captures = side_attacks(side, targets);
    for (int index = 0; index < 16; index++) {
        if (!targets[index]) continue;
        targets[index] = targets_from(side * 16 + index, targets[index], captures);
    }
    return captures;
}

// Pieces in id order, each with its captures, until a second capture is known.
int32_t count_captures(int32_t side, CapturePair *only) {
    SquareSet enemy = side_squares[1 - side];
    SquareSet occupied = enemy | side_squares[side];
    int32_t found = 0;
    for (int id = side * 16; id < side * 16 + 16; id++) {
        if (!moves_for(id, side)) continue;
        SquareSet hits = attacks_of(PieceTable[id], occupied) & enemy;
        if (!hits) continue;
        found += square_total(hits);
        if (found >= 2) return 2;
        int victim_square = lowest_square(hits);
        only->attacker = (int8_t)id;
        only->victim = BoardMap[board_index(code_file(victim_square), code_rank(victim_square))];
    }
    return found;
}
