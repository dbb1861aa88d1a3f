// The one shared position: the table of the 32 pieces, the map of the 64 squares that name each
// other, the side to move and the move counters, with the in-place moves the searches use.
#ifndef VORLEN_ENGINE_POSITION_H
#define VORLEN_ENGINE_POSITION_H

#include <cstdint>

enum Colour { White = 0, Black = 1 };
enum PieceKind { Pawn = 0, Rook = 1, Knight = 2, Bishop = 3, Queen = 4, King = 5 };

#define EMPTY_SQUARE 100  // a BoardMap entry with no piece
#define CAPTURED 110      // the file of a captured piece
#define PIECE_COUNT 32
#define SQUARE_COUNT 64
#define NO_GAME 3  // side_to_move before the first new game

struct PieceRecord {
    int8_t file;    // 0..7 on the board, CAPTURED once taken
    int8_t rank;    // 0..7; a capture leaves it unchanged
    int8_t colour;  // Colour, never changes
    int8_t kind;    // PieceKind; changes only when a pawn promotes
    int8_t moved;   // 1 once the piece has moved
};

// The two numberings of a square: the BoardMap's index runs up the files (file x 8 + rank); the
// square code of the bit sets and the giveaway line runs along the ranks (rank x 8 + file), so
// taking the lowest bit first visits squares by rank, then by file.
constexpr int board_index(int file, int rank) { return file * 8 + rank; }
constexpr int square_code(int file, int rank) { return rank * 8 + file; }
// The file and the rank of a square code.
constexpr int code_file(int code) { return code % 8; }
constexpr int code_rank(int code) { return code / 8; }

extern PieceRecord PieceTable[PIECE_COUNT];  // ids 0..15 White, 16..31 Black
extern int8_t BoardMap[SQUARE_COUNT];        // index board_index: piece id or EMPTY_SQUARE
extern int32_t side_to_move;                 // Colour to move; NO_GAME until the first new game
extern int32_t move_counts[2];               // moves made by each side since the new game

// A move tried in place, with what is needed to take it back bit for bit.
struct TriedMove {
    int id;
    int from_file, from_rank, to_file, to_rank;
    int victim;    // id of the captured piece, or -1
    int8_t moved;  // the mover's moved flag before the move
};

int place_piece(int8_t id, int8_t file, int8_t rank, int8_t colour, int8_t kind);
void setup_start_position();
TriedMove try_move(int id, int to_file, int to_rank);
void take_back(const TriedMove &move);
// Ends a committed move: it counts for the side that made it, the other side is to move, and
// that side's captures are listed (with the limit 1).
void pass_turn();

#endif
