// Committing moves: refusals, the history record, and a game longer than the history.
#include <gtest/gtest.h>

#include "engine/captures.h"
#include "engine/position.h"
#include "engine/search.h"
#include "game/clocks.h"
#include "game/computer_turn.h"
#include "game/game_state.h"
#include "tests/game/game_frame.h"

namespace {

// A fresh game position with empty history, White to move.
void start_position() {
    setup_start_position();
    side_to_move = White;
    history_count = 0;
    move_counts[White] = move_counts[Black] = 0;
    time_used[White] = time_used[Black] = 0;
}

TEST(ExecuteMove, RefusesOffBoardEmptyWrongColourAndOwnPieceTargetsWithoutCountingThem) {
    GameFrame game;
    start_position();
    EXPECT_EQ(execute_move(-1, 1, 4, 2), 0);
    EXPECT_EQ(execute_move(4, 1, 4, 8), 0);
    EXPECT_EQ(execute_move(4, 3, 4, 4), 0);  // empty
    EXPECT_EQ(execute_move(4, 6, 4, 5), 0);  // Black's pawn on White's turn
    EXPECT_EQ(execute_move(1, 0, 3, 1), 0);  // onto White's own pawn
    EXPECT_EQ(history_count, 0);
    EXPECT_EQ(move_counts[White], 0);
    EXPECT_EQ(animation_pending, 0);
    EXPECT_EQ(BoardMap[1 * 8 + 0], 10);
}

TEST(ExecuteMove, RecordsTheMoverTheVictimAndTheClocksAndMovesAtOnce) {
    GameFrame game;
    start_position();
    // White's queen takes Black's queen on d8 down an emptied file, for the record's sake.
    BoardMap[3 * 8 + 1] = EMPTY_SQUARE;
    PieceTable[3].file = CAPTURED;
    BoardMap[3 * 8 + 6] = EMPTY_SQUARE;
    PieceTable[19].file = CAPTURED;
    time_used[White] = 1234;
    time_used[Black] = 567;
    ASSERT_EQ(execute_move(3, 0, 3, 7), 1);
    const HistoryRecord &record = move_history[0];
    EXPECT_EQ(record.kind, MOVE_CAPTURE);
    EXPECT_EQ(record.mover, 14);
    EXPECT_EQ(record.victim, 30);
    EXPECT_EQ(record.mover_before.rank, 0);
    EXPECT_EQ(record.victim_before.file, 3);
    EXPECT_EQ(record.white_time_used, 1234);
    EXPECT_EQ(record.black_time_used, 567);
    EXPECT_EQ(PieceTable[30].file, CAPTURED);
    EXPECT_EQ(PieceTable[14].rank, 7);
    EXPECT_EQ(PieceTable[14].moved, 1);
    EXPECT_EQ(BoardMap[3 * 8 + 7], 14);
    EXPECT_EQ(BoardMap[3 * 8 + 0], EMPTY_SQUARE);
    EXPECT_EQ(animation_pending, 1);
    EXPECT_EQ(arrival_kind, Queen);
}

}  // namespace
