// Reads FEN onto the shared position. Pieces get ids the way a game would have given them:
// a rook takes the first free of its colour's rook ids, a knight of the knight ids and so on,
// a pawn (or a piece whose own ids are taken) the first free pawn id; ids left over are pieces
// of their starting kind that have been captured.
#include "tools/engine/fen.h"

#include <cstdio>
#include <cstring>

#include "engine/captures.h"
#include "engine/position.h"
#include "tools/engine/message.h"

namespace {

#define FEN_FIELD_COUNT 6
#define FEN_TEXT_SIZE 256    // longer input is not a FEN
#define MAX_COUNTER 1000000  // move counters above this are refused

// The first and last id of each kind's own ids within a colour (pawns have none of their own).
const int OWN_FIRST[6] = {-1, 8, 10, 12, 14, 15};
const int OWN_LAST[6] = {-1, 9, 11, 13, 14, 15};
const char PIECE_LETTERS[] = "PRNBQK";  // indexed by PieceKind, White's letters
// The kinds on each file of a back rank at the start.
const int BACK_RANK_KINDS[8] = {Rook, Knight, Bishop, Queen, King, Bishop, Knight, Rook};

// One square of the placement as read: colour and kind, or -1 for empty.
struct SquareText {
    int colour;
    int kind;
};

// The fields of a FEN, split in place on spaces.
struct FenFields {
    char text[FEN_TEXT_SIZE];
    char *field[FEN_FIELD_COUNT];
    int count;
};

// Splits the text into at most six fields; 0 when there are none or too many.
int split_fields(const char *fen, FenFields &fields, char *error, int error_size) {
    if (strlen(fen) >= FEN_TEXT_SIZE) {
        snprintf(error, (size_t)error_size, "FEN is too long");
        return 0;
    }
    strcpy(fields.text, fen);
    fields.count = 0;
    for (char *word = strtok(fields.text, " \t"); word; word = strtok(nullptr, " \t")) {
        if (fields.count == FEN_FIELD_COUNT) {
            snprintf(error, (size_t)error_size, "FEN has more than six fields");
            return 0;
        }
        fields.field[fields.count++] = word;
    }
    if (fields.count < 2) {
        snprintf(error, (size_t)error_size,
                 "FEN needs at least the placement and the side to move");
        return 0;
    }
    return 1;
}

// Reads the placement field, rank 8 first, into `board` (by board_index).
int read_placement(const char *text, SquareText board[SQUARE_COUNT], char *error, int error_size) {
    int rank = 7;
    int file = 0;
    for (const char *at = text;; at++) {
        if (*at == '/' || *at == '\0') {
            if (file != 8) {
                snprintf(error, (size_t)error_size, "FEN rank %d does not have 8 squares",
                         rank + 1);
                return 0;
            }
            if (*at == '\0') break;
            if (--rank < 0) {
                snprintf(error, (size_t)error_size, "FEN has more than 8 ranks");
                return 0;
            }
            file = 0;
        } else if (*at >= '1' && *at <= '8' && file + (*at - '0') <= 8) {
            for (int count = *at - '0'; count > 0; count--) board[board_index(file++, rank)] = {-1, -1};
        } else {
            const char *letter =
                *at ? strchr(PIECE_LETTERS, *at >= 'a' ? *at - 'a' + 'A' : *at) : nullptr;
            if (!letter || file >= 8) {
                // Bytes that are not printable are shown by their value.
                unsigned char byte = (unsigned char)*at;
                if (byte > ' ' && byte < 127) {
                    snprintf(error, (size_t)error_size, "FEN rank %d is malformed at '%c'",
                             rank + 1, byte);
                } else {
                    snprintf(error, (size_t)error_size, "FEN rank %d is malformed at byte 0x%02X",
                             rank + 1, byte);
                }
                return 0;
            }
            board[board_index(file++, rank)] = {*at >= 'a' ? Black : White, (int)(letter - PIECE_LETTERS)};
        }
    }
    if (rank != 0) {
        snprintf(error, (size_t)error_size, "FEN has %d ranks, not 8", 8 - rank);
        return 0;
    }
    return 1;
}

// Refuses what the game cannot hold: more than 16 pieces of a colour, a pawn on rank 1 or 8.
int check_placement(const SquareText board[SQUARE_COUNT], char *error, int error_size) {
    int pieces[2] = {0, 0};
    for (int file = 0; file < 8; file++) {
        for (int rank = 0; rank < 8; rank++) {
            const SquareText &square = board[board_index(file, rank)];
            if (square.colour < 0) continue;
            pieces[square.colour]++;
            if (square.kind == Pawn && (rank == 0 || rank == 7)) {
                snprintf(error, (size_t)error_size, "FEN has a pawn on rank %d", rank + 1);
                return 0;
            }
        }
    }
    for (int colour = White; colour <= Black; colour++) {
        if (pieces[colour] > 16) {
            snprintf(error, (size_t)error_size, "FEN has more than 16 %s pieces",
                     colour == White ? "white" : "black");
            return 0;
        }
    }
    return 1;
}

// The first id of the colour's range first..last (0..15) that no piece has taken, or -1.
int first_free(const int taken[16], int first, int last) {
    for (int index = first; index <= last && index >= 0; index++) {
        if (!taken[index]) return index;
    }
    return -1;
}

// Gives each piece of one colour its id, in BoardMap order, and places it.
void place_colour(const SquareText board[SQUARE_COUNT], int colour) {
    int taken[16] = {0};
    for (int file = 0; file < 8; file++) {
        for (int rank = 0; rank < 8; rank++) {
            const SquareText &square = board[board_index(file, rank)];
            if (square.colour != colour) continue;
            int index = first_free(taken, OWN_FIRST[square.kind], OWN_LAST[square.kind]);
            if (index < 0) index = first_free(taken, 0, 7);
            if (index < 0) index = first_free(taken, 0, 15);
            taken[index] = 1;
            place_piece((int8_t)(colour * 16 + index), (int8_t)file, (int8_t)rank, (int8_t)colour,
                        (int8_t)square.kind);
        }
    }
}

// Reads a whole decimal number of at most MAX_COUNTER into `value`; 0 when it is not one.
int read_counter(const char *text, int *value) {
    long number = 0;
    if (*text == '\0') return 0;
    for (const char *at = text; *at; at++) {
        if (*at < '0' || *at > '9') return 0;
        number = number * 10 + (*at - '0');
        if (number > MAX_COUNTER) return 0;
    }
    *value = (int)number;
    return 1;
}

// Checks the castling and en-passant fields, which this game has no use for.
int check_ignored_fields(const FenFields &fields, char *error, int error_size) {
    if (fields.count > 2 && strcmp(fields.field[2], "-") != 0 &&
        strspn(fields.field[2], "KQkq") != strlen(fields.field[2])) {
        snprintf(error, (size_t)error_size, "FEN castling field '%s' is malformed",
                 fields.field[2]);
        return 0;
    }
    const char *passant = fields.count > 3 ? fields.field[3] : "-";
    if (strcmp(passant, "-") != 0 &&
        !(strlen(passant) == 2 && passant[0] >= 'a' && passant[0] <= 'h' &&
          (passant[1] == '3' || passant[1] == '6'))) {
        snprintf(error, (size_t)error_size, "FEN en-passant field '%s' is malformed", passant);
        return 0;
    }
    return 1;
}

// Reads the side to move and the counters into side and fullmove.
int read_turn(const FenFields &fields, int *side, int *fullmove, char *error, int error_size) {
    const char *turn = fields.field[1];
    if (strcmp(turn, "w") != 0 && strcmp(turn, "b") != 0) {
        snprintf(error, (size_t)error_size, "FEN side to move '%s' is not w or b", turn);
        return 0;
    }
    *side = turn[0] == 'w' ? White : Black;
    int halfmove = 0;
    *fullmove = 1;
    if (fields.count > 4 && !read_counter(fields.field[4], &halfmove)) {
        snprintf(error, (size_t)error_size, "FEN halfmove clock '%s' is not a number",
                 fields.field[4]);
        return 0;
    }
    if (fields.count > 5 && (!read_counter(fields.field[5], fullmove) || *fullmove < 1)) {
        snprintf(error, (size_t)error_size, "FEN fullmove number '%s' is not a number from 1",
                 fields.field[5]);
        return 0;
    }
    return 1;
}

// 1 when the colour has exactly its 16 pieces of the start, each on its starting square: only
// then may the colour not have moved yet in a game.
int pieces_at_start(const SquareText board[SQUARE_COUNT], int colour) {
    int back_rank = colour == White ? 0 : 7;
    int pawn_rank = colour == White ? 1 : 6;
    int count = 0;
    for (int square = 0; square < SQUARE_COUNT; square++) count += board[square].colour == colour;
    for (int file = 0; file < 8; file++) {
        const SquareText &back = board[board_index(file, back_rank)];
        const SquareText &pawn = board[board_index(file, pawn_rank)];
        if (back.colour != colour || back.kind != BACK_RANK_KINDS[file]) return 0;
        if (pawn.colour != colour || pawn.kind != Pawn) return 0;
    }
    return count == 16;
}

// The moves each side has made, from the fullmove number; a side whose pieces have left the
// start has made at least one, whatever the number says (many programs write 1 for any position).
void set_move_counts(const SquareText board[SQUARE_COUNT], int side, int fullmove) {
    move_counts[White] = fullmove - 1 + (side == Black);
    move_counts[Black] = fullmove - 1;
    for (int colour = White; colour <= Black; colour++) {
        if (move_counts[colour] == 0 && !pieces_at_start(board, colour)) move_counts[colour] = 1;
    }
}

}  // namespace

// Reads and checks every field first, then writes the position.
int load_fen(const char *fen, char *error, int error_size) {
    FenFields fields;
    SquareText board[SQUARE_COUNT];
    int side = White;
    int fullmove = 1;
    if (!split_fields(fen, fields, error, error_size) ||
        !read_placement(fields.field[0], board, error, error_size) ||
        !check_placement(board, error, error_size) ||
        !check_ignored_fields(fields, error, error_size) ||
        !read_turn(fields, &side, &fullmove, error, error_size)) {
        make_printable(error, error_size);
        return 0;
    }
    // The start position gives every id its starting kind; then all are taken off the board.
    setup_start_position();
    for (int id = 0; id < PIECE_COUNT; id++) PieceTable[id].file = CAPTURED;
    for (int square = 0; square < SQUARE_COUNT; square++) BoardMap[square] = EMPTY_SQUARE;
    place_colour(board, White);
    place_colour(board, Black);
    side_to_move = side;
    set_move_counts(board, side, fullmove);
    generate_captures(1);
    return 1;
}
