// Positions given as FEN: the six standard fields, read onto the shared position.
#ifndef VORLEN_TOOLS_ENGINE_FEN_H
#define VORLEN_TOOLS_ENGINE_FEN_H

// Sets the shared position from `fen`; 1 on success, 0 with a one-line message of
// printable bytes in `error`
// (the position is then in no particular state). Castling and en-passant fields are read and
// ignored.
int load_fen(const char *fen, char *error, int error_size);

#endif
