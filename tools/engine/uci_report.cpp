// The info lines of a choice. The search's scores are material in the level's own units (a pawn is
// 10 or 30), with MATE_SCORE for a side that has lost every piece and so won; the root's single
// forced capture is played without a search and carries no score of its own; a giveaway line ends
// with the mover's last piece taken. Each of these is told to the client as the protocol says.
#include "tools/engine/uci_report.h"

#include <cinttypes>
#include <cstring>

#include "engine/captures.h"
#include "engine/evaluate.h"
#include "engine/giveaway.h"
#include "engine/position.h"
#include "engine/search.h"

namespace {

#define MICROS_PER_SECOND 1000000
#define MICROS_PER_MS 1000
#define FORCED_SCORE (-INFINITE_SCORE + 1)  // what the root gives its one forced capture
#define MAX_PV_PLIES 32                     // a giveaway line: 16 moves, each with its reply
#define PV_TEXT_SIZE (MAX_PV_PLIES * MOVE_TEXT_SIZE)

// The score part of an info line and the depth it stands for.
struct ScoreText {
    int depth;
    char text[32];
};

// The legal move the text names (the choice's own move, so it is always found).
ToolMove chosen_move(const char *text) {
    ToolMove move{0, 0, 0, 0, -1};
    int needs_letter = 0;
    find_legal_move(text, &move, &needs_letter);
    return move;
}

// The mover's static score once the forced capture is made: what one ply shows of it.
int32_t forced_move_score(const char *text) {
    int32_t mover = side_to_move;
    PlayedMove played = play_in_place(chosen_move(text));
    int32_t value = evaluate_position(mover);
    take_back_in_place(played);
    return value;
}

// The fewest plies within which the search finds the same won (+MATE_SCORE) or lost result: a
// side's last piece goes on its opponent's ply, so a win comes on an even ply, a loss on an odd one.
int mate_plies(int32_t value, int level_value, unsigned seed, int depth) {
    for (int plies = value > 0 ? 2 : 1; plies < depth; plies += 2) {
        if (choose_for_tool(level_value, seed, plies).score == value) return plies;
    }
    return depth;
}

// "cp N", or "mate N" in moves of the side to move (negative when it loses).
ScoreText score_text(const ToolChoice &choice, int level_value, unsigned seed, int depth) {
    ScoreText score{depth, ""};
    int32_t value = choice.score;
    if (!choice.move[0]) {
        score.depth = 0;
        snprintf(score.text, sizeof score.text, "mate 0");  // no move: the side to move has won
        return score;
    }
    if (choice.source == SOURCE_GIVEAWAY) {
        score.depth = giveaway_target;
        snprintf(score.text, sizeof score.text, "mate %d", (int)(giveaway_target / 2));
        return score;
    }
    if (value == FORCED_SCORE) {
        score.depth = 1;
        value = forced_move_score(choice.move);
    }
    if (value == MATE_SCORE || value == -MATE_SCORE) {
        int plies = score.depth == 1 ? 1 : mate_plies(value, level_value, seed, depth);
        snprintf(score.text, sizeof score.text, "mate %d", value > 0 ? plies / 2 : -(plies + 1) / 2);
    } else {
        snprintf(score.text, sizeof score.text, "cp %d", (int)value);
    }
    return score;
}

// Appends one move's text to the line.
void append_move(char pv[PV_TEXT_SIZE], const ToolMove &move) {
    char text[MOVE_TEXT_SIZE];
    format_move(move, text);
    if (pv[0]) strcat(pv, " ");
    strcat(pv, text);
}

// The giveaway line with its forced replies, played out in place and taken back.
void giveaway_pv(char pv[PV_TEXT_SIZE]) {
    PlayedMove played[MAX_PV_PLIES];
    int plies = 0;
    for (int step = 0; step * 2 + 1 < giveaway_target && plies + 2 <= MAX_PV_PLIES; step++) {
        int from = best_line[step * 2];
        int to = best_line[step * 2 + 1];
        ToolMove move{(int8_t)code_file(from), (int8_t)code_rank(from), (int8_t)code_file(to),
                      (int8_t)code_rank(to), -1};
        append_move(pv, move);
        played[plies++] = play_in_place(move);
        generate_captures(1);
        if (capture_count != 1) break;
        const PieceRecord &attacker = PieceTable[CaptureList[0].attacker];
        const PieceRecord &victim = PieceTable[CaptureList[0].victim];
        ToolMove reply{attacker.file, attacker.rank, victim.file, victim.rank, -1};
        append_move(pv, reply);
        played[plies++] = play_in_place(reply);
    }
    while (plies > 0) take_back_in_place(played[--plies]);
    generate_captures(1);
}

}  // namespace

// The depth, score, nodes, speed, time and line, then where the move came from.
void print_choice_info(const ToolChoice &choice, int level_value, unsigned seed, int depth,
                       int64_t micros, FILE *out) {
    int searched = (int)search_depth;
    char pv[PV_TEXT_SIZE] = "";
    if (choice.source == SOURCE_GIVEAWAY) {
        giveaway_pv(pv);
    } else {
        strcpy(pv, choice.move);
    }
    ScoreText score = score_text(choice, level_value, seed, depth >= 1 ? depth : searched);
    int64_t per_second = micros > 0 ? choice.nodes * MICROS_PER_SECOND / micros : 0;
    fprintf(out, "info depth %d score %s nodes %" PRId64 " nps %" PRId64 " time %" PRId64 "%s%s\n",
            score.depth, score.text, choice.nodes, per_second, micros / MICROS_PER_MS,
            pv[0] ? " pv " : "", pv);
    fprintf(out, "info string source %s\n",
            choice.source == SOURCE_GIVEAWAY ? "giveaway" : choice.move[0] ? "search" : "none");
}
