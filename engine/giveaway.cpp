// The forced giveaway-line search: lines in which every move of the computer leaves the
// opponent exactly one capture, until every piece of the computer has been taken.
#include "engine/giveaway.h"

#include "engine/captures.h"
#include "engine/position.h"
#include "engine/rules.h"
#include "engine/search.h"

int32_t giveaway_target;          // 2 x the computer's pieces at the start: 0..32
int32_t longest_line;             // longest line found in this search, 0..giveaway_target
int32_t current_line[LINE_SIZE];  // the line examined: from and target code of each computer move
int32_t best_line[LINE_SIZE];     // the first longest_line codes of the longest line found

namespace {

// After the computer's move from one square code to another: when the opponent's only capture
// follows, plays it in place and extends the line below it. Returns the forced steps the move
// starts (this one and those found below it), or 0 when the line is not followed.
int32_t follow_forced_reply(int32_t side, int32_t length, int32_t from_code, int32_t to_code) {
    int attacker = CaptureList[0].attacker;
    int victim = CaptureList[0].victim;
    TriedMove reply = try_move(attacker, PieceTable[victim].file, PieceTable[victim].rank);
    PieceTable[attacker].moved = reply.moved;  // a forced reply is not recorded as a move
    int32_t steps = 0;
    // A pawn's reply onto its last rank would promote: such a line is not followed.
    if (!(PieceTable[attacker].kind == Pawn && to_code / 8 == last_rank_of(1 - side))) {
        current_line[length] = from_code;
        current_line[length + 1] = to_code;
        steps = find_giveaway_line(side, length + 2) + 1;
    }
    take_back(reply);
    return steps;
}

}  // namespace

// One node of the giveaway-line search for the computer's `side`, `length` codes into the
// line; returns the number of further forced steps found below it.
int32_t find_giveaway_line(int32_t side, int32_t length) {
    count_node();
    if (length > longest_line) {
        for (int index = 0; index < length; index++) best_line[index] = current_line[index];
        longest_line = length;
    }
    if (longest_line == giveaway_target) return 0;
    int32_t captures = captures_of_side(side);
    int32_t best = 0;
    for (int id = side * 16; id < side * 16 + 16; id++) {
        if (PieceTable[id].file == CAPTURED) continue;
        int from_file = PieceTable[id].file;
        int from_rank = PieceTable[id].rank;
        // Targets by square code, rank * 8 + file: rank 0 to 7, files 0 to 7 within a rank.
        for (int32_t to_code = 0; to_code < SQUARE_COUNT; to_code++) {
            int file = to_code % 8;
            int rank = to_code / 8;
            if (!is_allowed_move(from_file, from_rank, file, rank, side, captures)) continue;
            // A pawn reaching its last rank is played but never extended.
            int promotes = PieceTable[id].kind == Pawn && rank == last_rank_of(side);
            TriedMove tried = try_move(id, file, rank);
            if (captures_of_side(1 - side) == 1 && !promotes) {
                int32_t steps =
                    follow_forced_reply(side, length, from_rank * 8 + from_file, to_code);
                if (steps > best) best = steps;
            }
            take_back(tried);
        }
    }
    return best;
}

// Looks for a complete giveaway line for side_to_move. A side with no piece left has nothing
// to give away: its target of 0 would otherwise count as complete with no line behind it.
int find_complete_giveaway_line() {
    int32_t pieces = 0;
    for (int index = 0; index < 16; index++) {
        if (PieceTable[side_to_move * 16 + index].file != CAPTURED) pieces++;
    }
    giveaway_target = 2 * pieces;
    longest_line = 0;
    if (giveaway_target == 0) return 0;
    return 2 * find_giveaway_line(side_to_move, 0) == giveaway_target;
}
