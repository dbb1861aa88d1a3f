// The computer's turn: the move choice runs inside one frame, and taps made meanwhile are
// thrown away.
#include "game/computer_turn.h"

#include "engine/position.h"
#include "engine/search.h"
#include "game/game_state.h"
#include "game/main_loop.h"
#include "game/moves.h"

// The computer chooses within this one frame and commits its move; with no move, it has won.
void computer_turn() {
    computer_promoted = 0;
    MoveSource source = choose_computer_move(nullptr);
    // A clock that ran out while the computer thought has ended the game before its move.
    if (game_over != 0) {
        discard_taps();
        return;
    }
    if (best_from_file == -1) {
        game_over = (uint8_t)(side_to_move + 1);
        discard_taps();
        return;
    }
    // A giveaway-line move never promotes, whatever an earlier search left in best_promotion.
    int promotion = source == SOURCE_SEARCH ? best_promotion : -1;
    // The searches offer only moves of side_to_move's pieces onto empty or enemy squares, which
    // commit_move accepts; were one refused, the turn would stay and the computer choose again.
    if (commit_move(best_from_file, best_from_rank, best_to_file, best_to_rank, promotion))
        computer_promoted = (uint8_t)(promotion != -1);
    discard_taps();
}
