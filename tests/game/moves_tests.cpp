// Committing moves and taking them back on a test frame, without starting WinMain: what a
// refused move leaves, and a take-back that restores the position bit for bit, a captured piece
// and a promoted pawn's kind included.
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

#define BOARD_COLOUR 0x6666

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

// A frame, a plain board and piece pictures of one colour each (their index + 1), and a game
// at its start position.
class GameMoves : public ::testing::Test {
protected:
    std::vector<uint16_t> pixels = std::vector<uint16_t>(FRAME_WIDTH * FRAME_HEIGHT, 0);
    std::vector<uint16_t> background = std::vector<uint16_t>(FRAME_WIDTH * FRAME_HEIGHT, 0);
    std::vector<uint16_t> board = std::vector<uint16_t>(BOARD_SIZE * BOARD_SIZE, BOARD_COLOUR);
    std::vector<std::vector<uint16_t>> pieces;
    void SetUp() override {
        headless_reset();
        draw_target = frame = pixels.data();
        background_copy = background.data();
        board_picture = board.data();
        for (int index = 0; index < PIECE_PICTURE_COUNT; index++) {
            pieces.emplace_back(PIECE_SIZE * PIECE_SIZE, (uint16_t)(index + 1));
            piece_pictures[index] = pieces.back().data();
        }
        setup_start_position();
        history_count = 0;
        animation_pending = takeback_pending = 0;
        time_used[White] = time_used[Black] = 0;
    }
    void TearDown() override {
        background_copy = board_picture = nullptr;
        for (uint16_t *&picture : piece_pictures) picture = nullptr;
    }
    // The colour of the saved background in the middle of a square's cell.
    uint16_t background_at(int file, int rank) const {
        return background[(size_t)((square_y(rank) + 15) * FRAME_WIDTH + square_x(file) + 15)];
    }
};

TEST_F(GameMoves, ARefusedMoveChangesNothingAndKeepsTheTurn) {
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

TEST_F(GameMoves, ACaptureIsCountedAndPassedAndItsTakeBackRestoresThePositionAndTheClocks) {
    ASSERT_EQ(commit_move(4, 1, 4, 3, -1), 1);  // e2e4
    ASSERT_EQ(commit_move(3, 6, 3, 4, -1), 1);  // d7d5
    EXPECT_EQ(capture_count, 1);                 // White must take
    Position before = position_now();
    time_used[White] = 1234;
    time_used[Black] = 567;
    ASSERT_EQ(commit_move(4, 3, 3, 4, -1), 1);  // e4xd5
    EXPECT_TRUE(side_to_move == Black && move_counts[White] == 2 && history_count == 3);
    EXPECT_EQ(PieceTable[BoardMap[board_index(3, 4)]].colour, White);
    // Under the slide the victim still stands on the target and the mover's square is bare.
    EXPECT_EQ(background_at(3, 4), Pawn + 6 * Black + 1);
    EXPECT_EQ(background_at(4, 3), BOARD_COLOUR);

    time_used[White] = time_used[Black] = 9999;
    start_takeback();
    EXPECT_TRUE(same_position(position_now(), before));
    EXPECT_TRUE(history_count == 2 && time_used[White] == 1234 && time_used[Black] == 567);
    EXPECT_EQ(move_counts[White], 2);  // a take-back does not reduce the counts
    // Under the take-back's slide the victim is back and the mover's old square is bare.
    EXPECT_EQ(background_at(3, 4), Pawn + 6 * Black + 1);
    EXPECT_EQ(background_at(4, 3), BOARD_COLOUR);
}

TEST_F(GameMoves, APersonsPromotionWaitsForTheChoiceAndTakingItBackBringsBackThePawn) {
    for (int square = 0; square < SQUARE_COUNT; square++) BoardMap[square] = EMPTY_SQUARE;
    for (int id = 0; id < PIECE_COUNT; id++) PieceTable[id].file = CAPTURED;
    place_piece(0, 1, 6, White, Pawn);  // b7
    place_piece(31, 7, 0, Black, King);  // h1
    side_to_move = White;
    Position before = position_now();
    ASSERT_EQ(commit_move(1, 6, 1, 7, -1), 1);
    EXPECT_TRUE(arrival_kind == -1 && promoted_piece == 0 && PieceTable[0].kind == Pawn);
    PieceTable[0].kind = Queen;  // as the promotion panel does
    start_takeback();
    EXPECT_TRUE(same_position(position_now(), before));
    EXPECT_EQ(anim_sprite, Pawn + 6 * White);  // it slides back as a pawn
}

}  // namespace
