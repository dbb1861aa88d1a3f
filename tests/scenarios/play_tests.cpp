// Scenarios of a person playing the computer: selection, refusals, captures, the computer's
// reply, take-back, promotion, the end of a game, the panel buttons.
#include <gtest/gtest.h>

#include "engine/captures.h"
#include "engine/position.h"
#include "engine/search.h"
#include "game/assets.h"
#include "game/board_view.h"
#include "game/clocks.h"
#include "game/computer_turn.h"
#include "game/game_state.h"
#include "game/human_input.h"
#include "game/menu.h"
#include "game/promotion.h"
#include "graphics/draw.h"
#include "platform/headless/headless.h"
#include "sound/sound.h"
#include "tests/scenarios/scenario.h"

namespace {

// Id of the piece on a square, or EMPTY_SQUARE.
int piece_at(int file, int rank) { return BoardMap[file * 8 + rank]; }

// 1 when the display shows the travelling piece of the current slide over the saved board at
// the position of the step just drawn.
bool slide_frame_shown(int steps) {
    int drawn = anim_step - 1;
    int x = anim_from_x + (anim_to_x - anim_from_x) * drawn / steps;
    int y = anim_from_y + (anim_to_y - anim_from_y) * drawn / steps;
    const uint16_t *piece = piece_pictures[anim_sprite];
    for (int row = 0; row < BOARD_SIZE; row++) {
        for (int column = 0; column < BOARD_SIZE; column++) {
            uint16_t expected = background_copy[row * FRAME_WIDTH + column];
            int px = column - x, py = row - y;
            if (px >= 0 && px < PIECE_SIZE && py >= 0 && py < PIECE_SIZE) {
                uint16_t value = piece[py * PIECE_SIZE + px];
                if (value != KEY_COLOUR) expected = value;
            }
            if (display_pixel(column, row) != expected) return false;
        }
    }
    return true;
}

// Counts the presented frames of each kind of slide, and whether each showed what it should.
struct SlideWatch {
    int move_frames = 0, move_frames_right = 0;
    int takeback_frames = 0, takeback_frames_right = 0;
};

// Watches every frame presented after a slide step (the clocks' present of that pass).
void watch_slides(SlideWatch *watch) {
    every_frame([watch] {
        if (screen_state != SCREEN_PLAY || anim_step == 0) return;
        if (animation_pending == 1) {
            watch->move_frames++;
            watch->move_frames_right += slide_frame_shown(MOVE_ANIMATION_STEPS);
        } else if (takeback_pending == 1) {
            watch->takeback_frames++;
            watch->takeback_frames_right += slide_frame_shown(TAKEBACK_ANIMATION_STEPS);
        }
    });
}

TEST(Play, SelectionFlashesRefusalsSoundAndATapOnTheSamePiecePutsItBackAndMovesGo) {
    start_device();
    start_game(1, 0, 1, 0);
    when(awaiting_person, [] {
        EXPECT_TRUE(board_shown());
        tap_square(4, 6);  // an opponent's pawn: nothing
    });
    when(always, [] {
        EXPECT_EQ(selected_col, NO_CELL);
        EXPECT_EQ(sounds_named(u"select.wav"), 0);
        EXPECT_EQ(sounds_named(u"nope.wav"), 0);
        tap_square(4, 1);  // e2
    });
    static uint16_t outline[2];
    when(always, [] {
        EXPECT_EQ(selected_col, 4);
        EXPECT_EQ(selected_row, 6);
        EXPECT_EQ(sounds_named(u"select.wav"), 1);
        outline[0] = display_pixel(120, 180);
    });
    when(always, [] {
        // The frame's colours are drawn afresh every frame; inside it the piece stays.
        outline[1] = display_pixel(120, 180);
        EXPECT_NE(outline[0], outline[1]);
        tap_square(3, 1);  // own piece on d2: not a target
    });
    when(always, [] {
        EXPECT_EQ(sounds_named(u"nope.wav"), 1);
        EXPECT_EQ(selected_col, 4);
        tap_square(4, 4);  // e2-e5: no pawn move
    });
    when(always, [] {
        EXPECT_EQ(sounds_named(u"nope.wav"), 2);
        EXPECT_EQ(selected_col, 4);
        EXPECT_EQ(target_col, NO_CELL);
        tap_square(4, 1);  // put it back: the flashing frame goes with the redrawn board
    });
    when(always, [] {
        EXPECT_EQ(selected_col, NO_CELL);
        EXPECT_EQ(sounds_named(u"select.wav"), 2);
        EXPECT_TRUE(board_shown());
        tap_square(4, 1);
    });
    when(always, [] { tap_square(4, 2); });  // e2-e3
    when(always, [] {
        EXPECT_EQ(animation_pending, 1);
        EXPECT_EQ(piece_at(4, 2), 4);
        EXPECT_EQ(selected_col, NO_CELL);
        EXPECT_EQ(side_to_move, Black);
    });
    EXPECT_TRUE(run_scenario().finished);
}

TEST(Play, QuietMoveRefusedWhileACaptureExistsThenTheCaptureSlidesOverItsVictim) {
    start_device();
    start_game(1, 0, 1, 0);
    // White: pawn e4, knight b1, king e1. Black: pawn d5, king e8, pawn h7.
    static const PlacedPiece pieces[] = {{12, 4, 3, White, Pawn}, {1, 1, 0, White, Knight},
                                         {4, 4, 0, White, King},  {27, 3, 4, Black, Pawn},
                                         {20, 4, 7, Black, King}, {31, 7, 6, Black, Pawn}};
    static SlideWatch watch;
    watch = SlideWatch();
    watch_slides(&watch);
    when(awaiting_person, [] {
        set_position(pieces, 6, White);
        tap_square(1, 0);
    });
    when(always, [] { tap_square(0, 2); });  // Nb1-a3: legal but quiet
    when(always, [] {
        EXPECT_EQ(sounds_named(u"nope.wav"), 1);
        EXPECT_EQ(selected_col, 1);
        EXPECT_EQ(piece_at(1, 0), 1);
        tap_square(1, 0);  // put the knight back
    });
    when(always, [] { tap_square(4, 3); });
    when(always, [] { tap_square(3, 4); });  // exd5
    when(always, [] {
        EXPECT_EQ(animation_pending, 1);
        EXPECT_EQ(PieceTable[27].file, CAPTURED);
        EXPECT_EQ(sounds_named(u"movement.wav"), 1);
        // The victim stays in the slide's background until the board is redrawn.
        const uint16_t *victim = piece_pictures[Pawn + 6];
        bool victim_in_background = true;
        for (int i = 0; i < PIECE_SIZE * PIECE_SIZE; i++) {
            if (victim[i] == KEY_COLOUR) continue;
            int x = square_x(3) + i % PIECE_SIZE, y = square_y(4) + i / PIECE_SIZE;
            victim_in_background &= background_copy[y * FRAME_WIDTH + x] == victim[i];
        }
        EXPECT_TRUE(victim_in_background);
    });
    when(awaiting_person, [] {
        EXPECT_EQ(history_count, 2);  // the capture and the computer's reply
        EXPECT_TRUE(board_shown());
    });
    EXPECT_TRUE(run_scenario().finished);
    EXPECT_EQ(watch.move_frames, 2 * (MOVE_ANIMATION_STEPS - 1));
    EXPECT_EQ(watch.move_frames_right, watch.move_frames);
    EXPECT_EQ(stop_sound_calls(), 2);
}

TEST(Play, TakeBackUndoesTheComputersReplyAndThePersonsMoveWithTwoSlides) {
    start_device();
    start_game(1, 0, 1, 0);
    static SlideWatch watch;
    watch = SlideWatch();
    watch_slides(&watch);
    static int32_t used_before[2];
    static int32_t budget_before[2];
    when(awaiting_person, [] { tap_square(4, 1); });
    when(always, [] { tap_square(4, 2); });  // e2-e3
    when(always, [] {
        used_before[White] = move_history[0].white_time_used;
        used_before[Black] = move_history[0].black_time_used;
    });
    when(awaiting_person, [] {
        EXPECT_EQ(history_count, 2);
        headless_advance_time(3000);
    });
    when(always, [] {
        budget_before[White] = time_budget[White];
        budget_before[Black] = time_budget[Black];
        tap_takeback();
    });
    when(awaiting_person, [] {
        EXPECT_EQ(history_count, 0);
        EXPECT_EQ(side_to_move, White);
        EXPECT_EQ(piece_at(4, 1), 4);
        for (int id = 0; id < PIECE_COUNT; id++) EXPECT_NE(PieceTable[id].file, CAPTURED);
        EXPECT_TRUE(board_shown());
        EXPECT_EQ(time_budget[White], budget_before[White]);
        EXPECT_EQ(move_counts[White], 1);  // move counts are not reduced
        EXPECT_EQ(time_used[White], used_before[White]);
        EXPECT_EQ(time_used[Black], used_before[Black]);
    });
    EXPECT_TRUE(run_scenario().finished);
    EXPECT_EQ(watch.takeback_frames, 2 * (TAKEBACK_ANIMATION_STEPS - 1));
    EXPECT_EQ(watch.takeback_frames_right, watch.takeback_frames);
    EXPECT_EQ(sounds_named(u"movement.wav"), 4);
    EXPECT_EQ(stop_sound_calls(), 4);
}

TEST(Play, TakeBackWithAnEmptyHistoryDoesNothing) {
    start_device();
    start_game(1, 0, 1, 0);
    when(awaiting_person, [] { tap_takeback(); });
    when(always, [] {
        EXPECT_EQ(takeback_pending, 0);
        EXPECT_EQ(sounds_named(u"movement.wav"), 0);
    });
    EXPECT_TRUE(run_scenario().finished);
}

TEST(Play, PromotionPanelOffersFiveChoicesAndTheKingIsChosen) {
    start_device();
    start_game(1, 0, 1, 0);
    // White: pawn a7, king h1. Black: king h8, pawn c7.
    static const PlacedPiece pieces[] = {{8, 0, 6, White, Pawn}, {4, 7, 0, White, King},
                                         {20, 7, 7, Black, King}, {26, 2, 6, Black, Pawn}};
    when(awaiting_person, [] {
        set_position(pieces, 4, White);
        tap_square(0, 6);
    });
    when(always, [] { tap_square(0, 7); });
    when([] { return promotion_pending == 1; }, [] {
        EXPECT_EQ(PieceTable[8].kind, Pawn);
        EXPECT_TRUE(picture_shown(panel1_picture, 0, 260, FRAME_WIDTH, 15, false));
        for (int n = 0; n < PROMOTION_CHOICES; n++)
            EXPECT_TRUE(picture_shown(piece_pictures[n + 1], 20 + 40 * n, 275, PIECE_SIZE, PIECE_SIZE, true));
        // The promoting side's clock runs while the choice is open.
        EXPECT_EQ(display_pixel(0, 240), 0xFFFF);
        EXPECT_EQ(display_pixel(120, 250), 0x0007);
        tap(10, 290);  // beside the cells
    });
    when(always, [] { tap(120, 100); });  // on the board
    when(always, [] { tap(200, 306); });  // below the cells
    static int32_t used_while_choosing;
    when(always, [] {
        EXPECT_EQ(promotion_pending, 1);
        used_while_choosing = time_used[White];
        headless_advance_time(2000);
    });
    when(always, [] { tap(195, 290); });  // the fifth cell: King
    when(always, [] {
        EXPECT_EQ(promotion_pending, 0);
        EXPECT_EQ(PieceTable[8].kind, King);
        EXPECT_GE(time_used[White], used_while_choosing + 2000);
        EXPECT_TRUE(picture_shown(panel2_picture, 0, 260, FRAME_WIDTH, 60, false));
    });
    when(awaiting_person, [] {
        EXPECT_TRUE(board_shown());
        // The king moves like a king: one square.
        tap_square(0, 7);
    });
    when(always, [] { tap_square(1, 7); });
    when(always, [] { EXPECT_EQ(animation_pending, 1); });
    EXPECT_TRUE(run_scenario().finished);
}

TEST(Play, TakingBackAPromotionBringsThePawnBack) {
    start_device();
    start_game(2, 0, 4, 0);
    static const PlacedPiece pieces[] = {{8, 0, 6, White, Pawn}, {4, 7, 0, White, King},
                                         {20, 7, 7, Black, King}, {26, 2, 6, Black, Pawn}};
    when(awaiting_person, [] {
        set_position(pieces, 4, White);
        tap_square(0, 6);
    });
    when(always, [] { tap_square(0, 7); });
    when([] { return promotion_pending == 1; }, [] { tap(75, 290); });  // Knight
    when(awaiting_person, [] {
        EXPECT_EQ(PieceTable[8].kind, Knight);
        tap_takeback();
    });
    when(awaiting_person, [] {
        EXPECT_EQ(PieceTable[8].kind, Pawn);
        EXPECT_EQ(piece_at(0, 6), 8);
        EXPECT_EQ(side_to_move, White);
        EXPECT_TRUE(board_shown());
    });
    EXPECT_TRUE(run_scenario().finished);
}

TEST(Play, TheComputerPromotesWithoutThePanel) {
    start_device();
    start_game(1, 0, 1, 0);
    // White: king h1. Black: only the pawn b2, whose one move promotes.
    static const PlacedPiece pieces[] = {{4, 7, 0, White, King}, {25, 1, 1, Black, Pawn}};
    when(awaiting_person, [] {
        set_position(pieces, 2, White);
        tap_square(7, 0);
    });
    when(always, [] { tap_square(7, 1); });
    when([] { return game_over != 0 || awaiting_person(); }, [] {
        EXPECT_EQ(promotion_pending, 0);
        EXPECT_EQ(PieceTable[25].rank, 0);
        EXPECT_GE(PieceTable[25].kind, Rook);
        EXPECT_LE(PieceTable[25].kind, King);
        EXPECT_TRUE(board_shown());
    });
    EXPECT_TRUE(run_scenario().finished);
}

TEST(Play, ASideWithoutALegalMoveWinsAndOnlyQuitAndMenuAnswerAfterwards) {
    start_device();
    start_game(1, 0, 1, 0);
    // After a5-a6 Black's only piece, the pawn a7, is blocked and has nothing to take.
    static const PlacedPiece pieces[] = {{8, 0, 4, White, Pawn}, {4, 7, 0, White, King},
                                         {24, 0, 6, Black, Pawn}};
    when(awaiting_person, [] {
        set_position(pieces, 3, White);
        tap_square(0, 4);
    });
    when(always, [] { tap_square(0, 5); });
    when([] { return game_over != 0; }, [] {
        EXPECT_EQ(game_over, 2);
        EXPECT_EQ(animation_pending, 0);
    });
    when(always, [] {
        EXPECT_TRUE(picture_shown(bluewin_picture, 8, 77, 224, 100, true));
        tap_takeback();
    });
    when(always, [] { tap_about(); });
    when(always, [] { tap_sound(); });
    when(always, [] { tap_square(7, 0); });
    when(always, [] {
        EXPECT_EQ(history_count, 1);
        EXPECT_EQ(screen_state, SCREEN_PLAY);
        EXPECT_EQ(sound_enabled, 1);
        EXPECT_EQ(selected_col, NO_CELL);
        tap_menu();
    });
    when(always, [] {
        EXPECT_EQ(screen_state, SCREEN_MENU);
        tap_back();
    });
    when(always, [] {
        EXPECT_EQ(screen_state, SCREEN_PLAY);
        EXPECT_EQ(game_over, 2);
    });
    when(always, [] {
        EXPECT_TRUE(picture_shown(bluewin_picture, 8, 77, 224, 100, true));
        tap_quit();
    });
    EXPECT_TRUE(run_scenario().finished);
}

TEST(Play, WhiteWinsByLosingEveryPieceWithTheGreenBanner) {
    start_device();
    start_game(1, 0, 1, 0);
    // e3-e4 gives White's last piece to the pawn d5, which must take it; White has then no
    // piece and so no move.
    static const PlacedPiece pieces[] = {{12, 4, 2, White, Pawn}, {27, 3, 4, Black, Pawn}};
    when(awaiting_person, [] {
        set_position(pieces, 2, White);
        tap_square(4, 2);
    });
    when(always, [] { tap_square(4, 3); });
    when([] { return game_over != 0; }, [] {
        EXPECT_EQ(game_over, 1);
        EXPECT_EQ(PieceTable[12].file, CAPTURED);
    });
    when(always, [] { EXPECT_TRUE(picture_shown(greenwin_picture, 8, 77, 224, 100, true)); });
    EXPECT_TRUE(run_scenario().finished);
}

TEST(Play, SoundToggleDrawsAndRemovesTheRedCrossAndSilencesEffects) {
    start_device();
    start_game(1, 0, 1, 0);
    static size_t calls_before;
    when(awaiting_person, [] { tap_sound(); });
    when(always, [] {
        EXPECT_EQ(sound_enabled, 0);
        // The cross's two strokes meet over the speaker; nothing spills to the frame's left edge.
        EXPECT_EQ(display_pixel(222, 303), 0xF800);
        EXPECT_EQ(display_pixel(230, 311), 0xF800);
        EXPECT_EQ(display_pixel(239, 304), 0xF800);
        EXPECT_EQ(display_pixel(223, 318), 0xF800);
        EXPECT_EQ(display_pixel(0, 304), panel2_picture[44 * FRAME_WIDTH]);
        calls_before = sound_call_count();
        tap_square(4, 1);
    });
    when(always, [] {
        EXPECT_EQ(selected_col, 4);
        EXPECT_EQ(sound_call_count(), calls_before);
        tap_square(4, 2);
    });
    when(awaiting_person, [] {
        // The slides still stop the sound, which is silent anyway.
        EXPECT_EQ(sounds_named(u"movement.wav"), 0);
        EXPECT_EQ(stop_sound_calls(), 2);
        tap_sound();
    });
    when(always, [] {
        EXPECT_EQ(sound_enabled, 1);
        EXPECT_TRUE(picture_shown(panel2_picture, 0, 260, FRAME_WIDTH, 60, false));
    });
    EXPECT_TRUE(run_scenario().finished);
}

TEST(Play, AboutScreenShowsItsPictureAndAnyTapReturnsWithNothingCharged) {
    start_device();
    start_game(1, 0, 1, 0);
    static int32_t used[2];
    when(awaiting_person, [] { tap_about(); });
    when(always, [] {
        EXPECT_EQ(screen_state, SCREEN_ABOUT);
        EXPECT_TRUE(picture_shown(about_picture, 0, 0, FRAME_WIDTH, FRAME_HEIGHT, false));
        used[White] = time_used[White];
        used[Black] = time_used[Black];
        headless_advance_time(50000);
    });
    when(always, [] { tap(5, 5); });
    when(awaiting_person, [] {
        EXPECT_TRUE(board_shown());
        EXPECT_TRUE(picture_shown(panel2_picture, 0, 260, FRAME_WIDTH, 60, false));
        EXPECT_LT(time_used[White], used[White] + 1000);
        EXPECT_EQ(time_used[Black], used[Black]);
    });
    EXPECT_TRUE(run_scenario().finished);
}

TEST(Play, TapsMadeWhileTheComputerThinksAreThrownAway) {
    start_device();
    start_game(1, 0, 1, 0);
    when(awaiting_person, [] { tap_square(4, 1); });
    when(always, [] { tap_square(4, 2); });
    when(awaiting_computer, [] { tap_quit(); });
    when(awaiting_person, [] {
        EXPECT_EQ(quit_requested, 0);
        EXPECT_EQ(history_count, 2);
    });
    EXPECT_TRUE(run_scenario().finished);
}

}  // namespace
