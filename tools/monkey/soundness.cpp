// The checks of the game's state: the board map and the piece table agree, each side has 0 to
// 16 pieces, no pawn stands on its last rank unless it is being promoted, and every option,
// screen and flag holds one of its values.
#include "tools/monkey/soundness.h"

#include "engine/position.h"
#include "engine/search.h"
#include "game/game_state.h"

namespace {

const int LAST_RANK[2] = {7, 0};  // White's pawns promote on rank 8, Black's on rank 1
const int PIECES_PER_SIDE = 16;

// A fault message naming the value that broke it.
std::string fault(const char *what, int value) { return std::string(what) + " (" + std::to_string(value) + ")"; }

// Every square names a piece standing on it, and every piece on the board is named by its square.
std::string map_fault() {
    for (int square = 0; square < SQUARE_COUNT; square++) {
        int id = BoardMap[square];
        if (id == EMPTY_SQUARE) continue;
        if (id < 0 || id >= PIECE_COUNT) return fault("board map names no piece at square", square);
        const PieceRecord &piece = PieceTable[id];
        if (piece.file == CAPTURED || board_index(piece.file, piece.rank) != square)
            return fault("board map and piece table disagree at square", square);
    }
    for (int id = 0; id < PIECE_COUNT; id++) {
        const PieceRecord &piece = PieceTable[id];
        if (piece.file == CAPTURED) continue;
        if (piece.file < 0 || piece.file > 7 || piece.rank < 0 || piece.rank > 7)
            return fault("piece off the board", id);
        if (BoardMap[board_index(piece.file, piece.rank)] != id) return fault("piece missing from the board map", id);
    }
    return "";
}

// Each piece keeps its colour and a kind; 0 to 16 pieces a side; pawns short of their last rank.
std::string piece_fault() {
    int count[2] = {0, 0};
    for (int id = 0; id < PIECE_COUNT; id++) {
        const PieceRecord &piece = PieceTable[id];
        if (piece.colour != (id < PIECES_PER_SIDE ? White : Black)) return fault("piece changed colour", id);
        if (piece.kind < Pawn || piece.kind > King) return fault("piece of no kind", id);
        if (piece.file == CAPTURED) continue;
        count[piece.colour]++;
        bool promoting = promotion_pending == 1 || animation_pending == 1;
        if (piece.kind == Pawn && piece.rank == LAST_RANK[piece.colour] && !promoting)
            return fault("pawn left on its last rank", id);
    }
    if (count[White] > PIECES_PER_SIDE || count[Black] > PIECES_PER_SIDE) return "more than 16 pieces a side";
    return "";
}

// Options, their saved copies, the screen and the play screen's flags.
std::string state_fault() {
    struct Range {
        const char *name;
        int value, least, most;
    };
    const Range ranges[] = {{"players", players, 0, 2},
                            {"saved players", saved_players, 0, 2},
                            {"level", level, 0, LEVEL_COUNT - 1},
                            {"saved level", saved_level, 0, LEVEL_COUNT - 1},
                            {"time control", time_control, 0, TIME_CONTROL_UNTIMED},
                            {"saved time control", saved_time_control, 0, TIME_CONTROL_UNTIMED},
                            {"increment", increment_option, 0, 3},
                            {"saved increment", saved_increment_option, 0, 3},
                            {"game over", game_over, 0, 2},
                            {"promotion pending", promotion_pending, 0, 1},
                            {"animation pending", animation_pending, 0, 1},
                            {"take-back pending", takeback_pending, 0, 1},
                            {"side to move", side_to_move, White, NO_GAME}};
    for (const Range &range : ranges)
        if (range.value < range.least || range.value > range.most) return fault(range.name, range.value);
    if (screen_state != SCREEN_PLAY && screen_state != SCREEN_MENU && screen_state != SCREEN_TITLE &&
        screen_state != SCREEN_ABOUT)
        return fault("screen", screen_state);
    if (side_to_move == Black + 1) return fault("side to move", side_to_move);
    return "";
}

}  // namespace

std::string first_fault(bool position) {
    std::string found = state_fault();
    if (found.empty() && position && side_to_move != NO_GAME) found = map_fault();
    if (found.empty() && position && side_to_move != NO_GAME) found = piece_fault();
    return found;
}
