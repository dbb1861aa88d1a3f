// The shared position as the six fields of FEN.
#include <string>

#include "engine/position.h"
#include "tools/replay/replay.h"

std::string position_fen() {
    if (side_to_move != White && side_to_move != Black) return "none";
    std::string fen;
    for (int rank = 7; rank >= 0; --rank) {
        int empty = 0;
        for (int file = 0; file < 8; ++file) {
            int id = BoardMap[board_index(file, rank)];
            if (id == EMPTY_SQUARE) {
                ++empty;
                continue;
            }
            if (empty) fen += char('0' + empty);
            empty = 0;
            char letter = "prnbqk"[PieceTable[id].kind];
            fen += PieceTable[id].colour == White ? char(letter - 'a' + 'A') : letter;
        }
        if (empty) fen += char('0' + empty);
        if (rank) fen += '/';
    }
    fen += side_to_move == White ? " w - - 0 " : " b - - 0 ";
    return fen + std::to_string(move_counts[Black] + 1);
}
