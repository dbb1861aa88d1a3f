// Compulsory capture and the game-end test: which captures the side to move has (stopping
// early once two are known) and whether it has any legal move at all.
#include "engine/captures.h"

#include "engine/position.h"
#include "engine/rules.h"

CapturePair CaptureList[CAPTURE_LIST_SIZE];  // (attacker, victim) pairs, capture_count of them
int32_t capture_count;                       // pairs in CaptureList, 0..CAPTURE_LIST_SIZE

namespace {

struct Step {
    int8_t file;
    int8_t rank;
};

// The eight directions: the diagonals first, then the straight lines, as the queen tries them.
const Step QUEEN_STEPS[8] = {{1, 1}, {1, -1}, {-1, 1}, {-1, -1}, {1, 0}, {-1, 0}, {0, 1}, {0, -1}};
const Step ROOK_STEPS[4] = {{1, 0}, {-1, 0}, {0, 1}, {0, -1}};
// The largest limit that leaves room for one more piece's eight pairs in the list.
const int32_t MAX_LIMIT = CAPTURE_LIST_SIZE - 8;
const Step KNIGHT_STEPS[8] = {{-2, -1}, {-1, -2}, {1, -2}, {2, -1},
                              {-2, 1},  {-1, 2},  {1, 2},  {2, 1}};

int on_board(int file, int rank) { return file >= 0 && file < 8 && rank >= 0 && rank < 8; }

// Adds the capture of the piece on the square when there is one of the other colour.
void add_if_enemy(int attacker, int file, int rank, int colour) {
    if (!on_board(file, rank)) return;
    int victim = BoardMap[board_index(file, rank)];
    if (victim != EMPTY_SQUARE && PieceTable[victim].colour != colour)
        add_capture(attacker, victim);
}

// Adds the first piece met in each direction, when it is an enemy; `reach` 1 is a king's step.
void add_along(int attacker, const Step *steps, int step_count, int reach, int colour) {
    const PieceRecord &piece = PieceTable[attacker];
    for (int index = 0; index < step_count; index++) {
        int file = piece.file + steps[index].file;
        int rank = piece.rank + steps[index].rank;
        for (int distance = 1; distance <= reach && on_board(file, rank); distance++) {
            if (BoardMap[board_index(file, rank)] != EMPTY_SQUARE) {
                add_if_enemy(attacker, file, rank, colour);
                break;
            }
            file += steps[index].file;
            rank += steps[index].rank;
        }
    }
}

// Lists the captures of one piece by its kind, in the fixed order of its directions.
void add_captures_of(int id, int colour) {
    const PieceRecord &piece = PieceTable[id];
    int direction = colour == White ? 1 : -1;
    switch (piece.kind) {
    case Pawn:
        if (piece.file > 0) add_if_enemy(id, piece.file - 1, piece.rank + direction, colour);
        if (piece.file < 7) add_if_enemy(id, piece.file + 1, piece.rank + direction, colour);
        break;
    case Rook:
        add_along(id, ROOK_STEPS, 4, 7, colour);
        break;
    case Knight:
        for (const Step &step : KNIGHT_STEPS) {
            add_if_enemy(id, piece.file + step.file, piece.rank + step.rank, colour);
        }
        break;
    case Bishop:
        add_along(id, QUEEN_STEPS, 4, 7, colour);
        break;
    case Queen:
        add_along(id, QUEEN_STEPS, 8, 7, colour);
        break;
    case King:
        add_along(id, QUEEN_STEPS, 8, 1, colour);
        break;
    default:
        break;
    }
}

}  // namespace

// Appends one (attacker, victim) pair to the list.
void add_capture(int attacker, int victim) {
    CaptureList[capture_count].attacker = (int8_t)attacker;
    CaptureList[capture_count].victim = (int8_t)victim;
    capture_count++;
}

// Recomputes the captures of side_to_move; once more than `limit` are known the remaining
// pieces are not examined, so callers learn only none, exactly one, or several.
void generate_captures(int32_t limit) {
    if (limit > MAX_LIMIT) limit = MAX_LIMIT;
    capture_count = 0;
    int colour = side_to_move;
    for (int id = colour * 16; id < colour * 16 + 16; id++) {
        if (PieceTable[id].file == CAPTURED) continue;
        if (capture_count > limit) return;
        add_captures_of(id, colour);
    }
}

// 1 when no piece of side_to_move has a legal move, so that side has won.
int has_no_legal_move() {
    for (int index = 0; index < 16; index++) {
        const PieceRecord &piece = PieceTable[side_to_move * 16 + index];
        if (piece.file == CAPTURED) continue;
        for (int rank = 0; rank < 8; rank++) {
            for (int file = 0; file < 8; file++) {
                if (is_legal_move(piece.file, piece.rank, file, rank, side_to_move)) return 0;
            }
        }
    }
    return 1;
}
