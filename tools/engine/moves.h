// Moves as text and as the engine tool plays them: the legal moves of the side to move,
// played and taken back in place, or committed as the game commits them.
#ifndef VORLEN_TOOLS_ENGINE_MOVES_H
#define VORLEN_TOOLS_ENGINE_MOVES_H

#include <cstdint>

#include "engine/position.h"

#define MAX_LEGAL_MOVES 512  // above any position's count: 16 pieces of at most 27 targets
#define MOVE_TEXT_SIZE 6     // "e7e8q" and its terminator

// One move: from square, target square, and the kind a promoting pawn becomes (or -1).
struct ToolMove {
    int8_t from_file, from_rank, to_file, to_rank;
    int8_t promotion;
};

// A move played in place with whatever is needed to take it back.
struct PlayedMove {
    TriedMove tried;
    int8_t kind;  // the mover's kind before the move
};

// Writes the move as "e2e4", with a promotion letter r, n, b, q or k when it promotes.
void format_move(const ToolMove &move, char text[MOVE_TEXT_SIZE]);
// Fills `moves` with the legal moves of side_to_move (only captures when it has any, each
// promotion kind a move of its own) in the engine's order; returns how many.
int list_legal_moves(ToolMove moves[MAX_LEGAL_MOVES]);
// Sorts moves by their text.
void sort_moves_by_text(ToolMove *moves, int count);
// Plays a legal move in place and gives the turn to the other side.
PlayedMove play_in_place(const ToolMove &move);
void take_back_in_place(const PlayedMove &played);
// Commits a move as the game does: counted for the mover, turn passed, captures generated.
void commit_move(const ToolMove &move);
// Finds the legal move whose text is `text`; 0 when there is none, with *needs_letter 1 when
// the text names a promoting pawn's squares without its letter.
int find_legal_move(const char *text, ToolMove *found, int *needs_letter);
// Reads one move's text and commits it when it is legal here; 0 with a one-line message of
// printable bytes when not.
int play_move_text(const char *text, char *error, int error_size);

#endif
