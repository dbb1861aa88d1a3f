// The forced giveaway-line search: lines in which every move of the computer leaves the
// opponent exactly one capture, until every piece of the computer has been taken.
#include "engine/giveaway.h"

#include "engine/captures.h"
#include "engine/position.h"
#include "engine/rules.h"
#include "engine/search.h"
#include "engine/squares.h"

int32_t giveaway_target;          // 2 x the computer's pieces at the start: 0..32
int32_t longest_line;             // longest line found in this search, 0..giveaway_target
int32_t current_line[LINE_SIZE];  // the line examined: from and target code of each computer move
int32_t best_line[LINE_SIZE];     // the first longest_line codes of the longest line found

namespace {

int32_t find_giveaway_line(int32_t side, int32_t length);

// After the computer's move from one square code to another: plays the opponent's only
// capture, `reply`, in place and extends the line below it. Returns the forced steps the move
// starts (this one and those found below it), or 0 when the line is not followed.
int32_t follow_forced_reply(int32_t side, int32_t length, int32_t from_code, int32_t to_code,
                            CapturePair reply) {
    int attacker = reply.attacker;
    TriedMove replied =
        try_move(attacker, PieceTable[reply.victim].file, PieceTable[reply.victim].rank);
    PieceTable[attacker].moved = replied.moved;  // a forced reply is not recorded as a move
    int32_t steps = 0;
    // A pawn's reply onto its last rank would promote: such a line is not followed.
    if (!(PieceTable[attacker].kind == Pawn && code_rank(to_code) == last_rank_of(1 - side))) {
        current_line[length] = from_code;
        current_line[length + 1] = to_code;
        steps = find_giveaway_line(side, length + 2) + 1;
    }
    take_back(replied);
    return steps;
}

// One node of the giveaway-line search for the computer's `side`, `length` codes into the
// line; returns the number of further forced steps found below it. Pieces go in table order,
// each piece's targets by square code.
int32_t find_giveaway_line(int32_t side, int32_t length) {
    count_node();
    if (length > longest_line) {
        for (int index = 0; index < length; index++) best_line[index] = current_line[index];
        longest_line = length;
    }
    if (longest_line == giveaway_target) return 0;
    SquareSet targets[16];
    list_targets(side, targets);
    int32_t best = 0;
    for (int index = 0; index < 16; index++) {
        int id = side * 16 + index;
        int from_code = square_code(PieceTable[id].file, PieceTable[id].rank);
        for (SquareSet left = targets[index]; left; left &= left - 1) {
            int32_t to_code = lowest_square(left);
            // A pawn reaching its last rank is played but never extended.
            int promotes = PieceTable[id].kind == Pawn && code_rank(to_code) == last_rank_of(side);
            TriedMove tried = try_move(id, code_file(to_code), code_rank(to_code));
            CapturePair reply;
            if (!promotes && count_captures(1 - side, &reply) == 1) {
                int32_t steps = follow_forced_reply(side, length, from_code, to_code, reply);
                if (steps > best) best = steps;
            }
            take_back(tried);
        }
    }
    return best;
}

}  // namespace

// Looks for a complete giveaway line for side_to_move. A side with no piece left has nothing
// to give away: its target of 0 would otherwise count as complete with no line behind it.
int find_complete_giveaway_line() {
    int32_t pieces = 0;
    for (int index = 0; index < 16; index++) {
        if (PieceTable[side_to_move * 16 + index].file != CAPTURED) pieces++;
    }
    giveaway_target = 2 * pieces;
    sync_search_state();
    longest_line = 0;
    if (giveaway_target == 0) return 0;
    return 2 * find_giveaway_line(side_to_move, 0) == giveaway_target;
}
