// The one shared position: the piece table, the square map, the side to move and the move
// counters, with the start position and the in-place moves the searches nest on it.
#include "engine/position.h"

#include "engine/captures.h"
#include "engine/evaluate.h"
#include "engine/squares.h"

PieceRecord PieceTable[PIECE_COUNT];  // ids 0..15 White, 16..31 Black; see PieceRecord
int8_t BoardMap[SQUARE_COUNT];        // board_index(file, rank) -> piece id 0..31 or EMPTY_SQUARE
int32_t side_to_move = NO_GAME;       // White, Black, or NO_GAME before the first new game
int32_t move_counts[2];               // moves committed by White and Black, 0 upwards

namespace {

// The kinds and files of the back rank, in the order the ids 8..15 take them.
const int8_t BACK_RANK_KINDS[8] = {Rook, Rook, Knight, Knight, Bishop, Bishop, Queen, King};
const int8_t BACK_RANK_FILES[8] = {0, 7, 1, 6, 2, 5, 3, 4};

// Places the 16 pieces of one colour where a game starts them: pawns first, then the others.
void place_start_pieces(int colour) {
    int8_t back_rank = (int8_t)(colour == White ? 0 : 7);
    int8_t pawn_rank = (int8_t)(colour == White ? 1 : 6);
    for (int8_t index = 0; index < 8; index++) {
        place_piece((int8_t)(colour * 16 + index), index, pawn_rank, (int8_t)colour, Pawn);
    }
    for (int index = 0; index < 8; index++) {
        place_piece((int8_t)(colour * 16 + 8 + index), BACK_RANK_FILES[index], back_rank,
                    (int8_t)colour, BACK_RANK_KINDS[index]);
    }
}

}  // namespace

// Writes one piece record and names it on its square; the square it stood on before is left.
int place_piece(int8_t id, int8_t file, int8_t rank, int8_t colour, int8_t kind) {
    PieceTable[id] = PieceRecord{file, rank, colour, kind, 0};
    BoardMap[board_index(file, rank)] = id;
    return id;
}

// The engine's share of a new game: the start position, White to move, nothing counted yet.
void setup_start_position() {
    for (int square = 0; square < SQUARE_COUNT; square++) {
        BoardMap[square] = EMPTY_SQUARE;
    }
    place_start_pieces(White);
    place_start_pieces(Black);
    side_to_move = White;
    capture_count = 0;
    move_counts[White] = 0;
    move_counts[Black] = 0;
}

// Plays a move in place, capturing whatever stands on the target, and returns what take_back
// needs. It neither tests the rules nor promotes; callers change the kind themselves. The
// searches' square sets and lost material follow the move.
TriedMove try_move(int id, int to_file, int to_rank) {
    PieceRecord &mover = PieceTable[id];
    TriedMove move{id, mover.file, mover.rank, to_file, to_rank, -1, mover.moved};
    int8_t target = BoardMap[board_index(to_file, to_rank)];
    SquareSet to_bit = square_bit(to_file, to_rank);
    if (target != EMPTY_SQUARE) {
        PieceTable[target].file = CAPTURED;
        move.victim = target;
        side_squares[PieceTable[target].colour] &= ~to_bit;
        count_lost_piece(target, 1);
    }
    side_squares[mover.colour] ^= square_bit(move.from_file, move.from_rank) | to_bit;
    mover.moved = 1;
    mover.file = (int8_t)to_file;
    mover.rank = (int8_t)to_rank;
    BoardMap[board_index(move.from_file, move.from_rank)] = EMPTY_SQUARE;
    BoardMap[board_index(to_file, to_rank)] = (int8_t)id;
    return move;
}

// Takes a move of try_move back, leaving the position bit for bit as it was before it.
void take_back(const TriedMove &move) {
    PieceRecord &mover = PieceTable[move.id];
    mover.file = (int8_t)move.from_file;
    mover.rank = (int8_t)move.from_rank;
    mover.moved = move.moved;
    BoardMap[board_index(move.from_file, move.from_rank)] = (int8_t)move.id;
    SquareSet to_bit = square_bit(move.to_file, move.to_rank);
    side_squares[mover.colour] ^= square_bit(move.from_file, move.from_rank) | to_bit;
    if (move.victim < 0) {
        BoardMap[board_index(move.to_file, move.to_rank)] = EMPTY_SQUARE;
    } else {
        BoardMap[board_index(move.to_file, move.to_rank)] = (int8_t)move.victim;
        PieceTable[move.victim].file = (int8_t)move.to_file;
        side_squares[PieceTable[move.victim].colour] |= to_bit;
        count_lost_piece(move.victim, -1);
    }
}

// The game and the engine tool both end a committed move here, so a move counts the same way
// whoever commits it.
void pass_turn() {
    move_counts[side_to_move] += 1;
    side_to_move = 1 - side_to_move;
    generate_captures(1);
}
