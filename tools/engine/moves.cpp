// Moves as the engine tool reads, lists, plays and writes them.
#include "tools/engine/moves.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "engine/rules.h"
#include "engine/squares.h"
#include "tools/engine/message.h"

namespace {

const char FILE_LETTERS[] = "abcdefgh";
const char KIND_LETTERS[] = "prnbqk";  // indexed by PieceKind; pawns are never named

// Appends one move, or all five promotion kinds when a pawn reaches its last rank.
int add_moves(ToolMove *moves, int count, int id, int file, int rank) {
    const PieceRecord &piece = PieceTable[id];
    ToolMove move{piece.file, piece.rank, (int8_t)file, (int8_t)rank, -1};
    if (piece.kind != Pawn || rank != last_rank_of(piece.colour)) {
        moves[count] = move;
        return count + 1;
    }
    for (int kind = Rook; kind <= King; kind++) {
        move.promotion = (int8_t)kind;
        moves[count++] = move;
    }
    return count;
}

// qsort's comparison of two moves by their text.
int compare_move_text(const void *left, const void *right) {
    char left_text[MOVE_TEXT_SIZE];
    char right_text[MOVE_TEXT_SIZE];
    format_move(*(const ToolMove *)left, left_text);
    format_move(*(const ToolMove *)right, right_text);
    return strcmp(left_text, right_text);
}

// The file or rank a move character names, or -1.
int file_from_letter(char letter) { return letter >= 'a' && letter <= 'h' ? letter - 'a' : -1; }
int rank_from_digit(char digit) { return digit >= '1' && digit <= '8' ? digit - '1' : -1; }

// The kind a promotion letter names, or -1.
int kind_from_letter(char letter) {
    const char *found = letter != '\0' && letter != 'p' ? strchr(KIND_LETTERS, letter) : nullptr;
    return found ? (int)(found - KIND_LETTERS) : -1;
}

// Plays the move on the shared position with the engine's try_move, promoting when it says so;
// the turn stays.
PlayedMove try_tool_move(const ToolMove &move) {
    int id = BoardMap[board_index(move.from_file, move.from_rank)];
    PlayedMove played{try_move(id, move.to_file, move.to_rank), PieceTable[id].kind};
    if (move.promotion >= 0) PieceTable[id].kind = move.promotion;
    return played;
}

}  // namespace

// Writes the move's squares, and the promotion letter when there is one.
void format_move(const ToolMove &move, char text[MOVE_TEXT_SIZE]) {
    text[0] = FILE_LETTERS[move.from_file];
    text[1] = (char)('1' + move.from_rank);
    text[2] = FILE_LETTERS[move.to_file];
    text[3] = (char)('1' + move.to_rank);
    text[4] = move.promotion >= 0 ? KIND_LETTERS[move.promotion] : '\0';
    text[5] = '\0';
}

// The moves is_legal_move accepts for side_to_move, only captures when there are any.
int list_legal_moves(ToolMove moves[MAX_LEGAL_MOVES]) {
    int side = side_to_move;
    SquareSet targets[16];
    sync_side_squares();
    list_targets(side, targets);
    int count = 0;
    for (int index = 0; index < 16; index++) {
        for (SquareSet left = targets[index]; left; left &= left - 1) {
            count = add_moves(moves, count, side * 16 + index, code_file(lowest_square(left)),
                              code_rank(lowest_square(left)));
        }
    }
    return count;
}

// Puts the moves in the order of their text, as the tool prints them.
void sort_moves_by_text(ToolMove *moves, int count) {
    qsort(moves, (size_t)count, sizeof(ToolMove), compare_move_text);
}

// Plays the move in place and gives the turn to the other side, uncounted.
PlayedMove play_in_place(const ToolMove &move) {
    PlayedMove played = try_tool_move(move);
    side_to_move = 1 - side_to_move;
    return played;
}

// Undoes play_in_place bit for bit, the promotion and the turn included.
void take_back_in_place(const PlayedMove &played) {
    side_to_move = 1 - side_to_move;
    take_back(played.tried);
    PieceTable[played.tried.id].kind = played.kind;
}

// Commits the move as the game does, through the engine's pass_turn: the mover's count grows,
// the other side moves next with its captures known.
void commit_move(const ToolMove &move) {
    try_tool_move(move);
    pass_turn();
}

// Looks the text up among the legal moves' texts.
int find_legal_move(const char *text, ToolMove *found, int *needs_letter) {
    ToolMove moves[MAX_LEGAL_MOVES];
    int count = list_legal_moves(moves);
    *needs_letter = 0;
    for (int index = 0; index < count; index++) {
        char legal[MOVE_TEXT_SIZE];
        format_move(moves[index], legal);
        if (strcmp(legal, text) == 0) {
            *found = moves[index];
            return 1;
        }
        *needs_letter |= strncmp(legal, text, 4) == 0;
    }
    return 0;
}

// Parses "e2e4" or "e7e8q" and commits it when it is one of the legal moves here.
int play_move_text(const char *text, char *error, int error_size) {
    size_t length = strlen(text);
    int well_formed = (length == 4 || length == 5) && file_from_letter(text[0]) >= 0 &&
                      rank_from_digit(text[1]) >= 0 && file_from_letter(text[2]) >= 0 &&
                      rank_from_digit(text[3]) >= 0 &&
                      (length == 4 || kind_from_letter(text[4]) >= 0);
    if (!well_formed) {
        snprintf(error, (size_t)error_size, "malformed move '%s'", text);
        make_printable(error, error_size);
        return 0;
    }
    ToolMove move;
    int needs_letter = 0;
    if (find_legal_move(text, &move, &needs_letter)) {
        commit_move(move);
        return 1;
    }
    snprintf(error, (size_t)error_size, "illegal move '%s'%s", text,
             needs_letter ? ": a promotion needs its letter r, n, b, q or k" : "");
    make_printable(error, error_size);
    return 0;
}
