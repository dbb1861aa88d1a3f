// Moves the game refuses, on a test frame and without starting WinMain: moves no tap on the board
// can make (off the board) beside the ones a person may try, each leaving the position and the
// turn as they were. Moves made and taken back are played in the scenarios and sessions.
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "engine/captures.h"
#include "engine/position.h"
#include "game/assets.h"
#include "game/board_view.h"
#include "game/game_state.h"
#include "game/moves.h"
#include "graphics/draw.h"
#include "platform/headless/headless.h"

namespace {

// The whole position, to compare before and after.
struct Position {
    PieceRecord pieces[PIECE_COUNT];
    int8_t squares[SQUARE_COUNT];
    int32_t side;
};

Position position_now() {
    Position now;
    std::memcpy(now.pieces, PieceTable, sizeof PieceTable);
    std::memcpy(now.squares, BoardMap, sizeof BoardMap);
    now.side = side_to_move;
    return now;
}

bool same_position(const Position &a, const Position &b) {
    return std::memcmp(a.pieces, b.pieces, sizeof a.pieces) == 0 &&
           std::memcmp(a.squares, b.squares, sizeof a.squares) == 0 && a.side == b.side;
}

TEST(GameMoves, ARefusedMoveChangesNothingAndKeepsTheTurn) {
    // A game at its start, with a frame and plain pictures to draw a wrongly taken move into.
    std::vector<uint16_t> pixels(FRAME_WIDTH * FRAME_HEIGHT), background(FRAME_WIDTH * FRAME_HEIGHT),
        board(BOARD_SIZE * BOARD_SIZE), piece(PIECE_SIZE * PIECE_SIZE, 1);
    headless_reset();
    draw_target = frame = pixels.data();
    background_copy = background.data();
    board_picture = board.data();
    for (uint16_t *&picture : piece_pictures) picture = piece.data();
    setup_start_position();
    history_count = 0;
    animation_pending = takeback_pending = 0;
    Position before = position_now();
    const int refused[][4] = {
        {4, 1, 4, 8}, {-1, 1, 4, 3},  // off the board
        {4, 3, 4, 4},                 // an empty from square
        {4, 6, 4, 4},                 // the other side's piece
        {3, 0, 4, 1},                 // onto a piece of one's own
    };
    for (const auto &move : refused) {
        EXPECT_EQ(commit_move(move[0], move[1], move[2], move[3], -1), 0) << move[0] << move[1] << move[2] << move[3];
        EXPECT_TRUE(same_position(position_now(), before));
        EXPECT_TRUE(history_count == 0 && animation_pending == 0 && move_counts[White] == 0);
    }
}

}  // namespace
