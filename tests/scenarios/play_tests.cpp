// Scenarios of a person playing the computer: promotions, the sound toggle, the about screen,
// both ways a game ends, what still answers afterwards, and Quit.
#include <gtest/gtest.h>

#include "sound/sound.h"
#include "tests/scenarios/scenario.h"

namespace {

TEST(Play, ThePersonPromotesThroughThePanelAndTheComputerWithoutIt) {
    start_device();
    start_game(PLAYERS_PERSON_WHITE, 0, 1, 0);
    // White: pawn a7, king h1. Black: king h8, pawn c7.
    when(awaiting_person, [] {
        set_position({{8, 0, 6, White, Pawn}, {4, 7, 0, White, King}, {20, 7, 7, Black, King},
                      {26, 2, 6, Black, Pawn}});
    });
    play_move(0, 6, 0, 7);
    when([] { return promotion_pending == 1; }, [] {
        EXPECT_EQ(PieceTable[8].kind, Pawn);
        EXPECT_TRUE(picture_shown(panel1_picture, 0, LOWER_PANEL_TOP, FRAME_WIDTH, 15, false));
        tap(120, 100);  // on the board, not a cell
    });
    static int32_t used_while_choosing;
    then([] {
        EXPECT_EQ(promotion_pending, 1);
        used_while_choosing = time_used[White];
        headless_advance_time(2000);
        tap(195, 290);  // the fifth cell: King
    });
    then([] {
        EXPECT_EQ(promotion_pending, 0);
        EXPECT_EQ(PieceTable[8].kind, King);
        EXPECT_GE(time_used[White], used_while_choosing + 2000);  // the clock ran while choosing
        EXPECT_TRUE(lower_panel_shown());
    });
    // Taking back the computer's reply and the promotion brings the pawn back.
    when(awaiting_person, [] {
        EXPECT_TRUE(board_shown());
        tap_takeback();
    });
    when(awaiting_person, [] {
        EXPECT_EQ(PieceTable[8].kind, Pawn);
        EXPECT_EQ(BoardMap[board_index(0, 6)], 8);
        EXPECT_TRUE(board_shown());
        // White: king h1. Black: only the pawn b2, whose one move promotes.
        set_position({{4, 7, 0, White, King}, {25, 1, 1, Black, Pawn}});
    });
    play_move(7, 0, 7, 1);
    when([] { return game_over != 0 || awaiting_person(); }, [] {
        EXPECT_EQ(promotion_pending, 0);
        EXPECT_TRUE(PieceTable[25].rank == 0 && PieceTable[25].kind >= Rook && PieceTable[25].kind <= King);
        EXPECT_TRUE(board_shown());
    });
    EXPECT_EQ(run_scenario(), 0u);
}

TEST(Play, SoundAboutBothEndingsAndQuitAlongOneSession) {
    start_device();
    start_game(PLAYERS_PERSON_WHITE, 0, 1, 0);
    static size_t sounds_before;
    when(awaiting_person, [] { tap_sound(); });
    then([] {
        EXPECT_EQ(sound_enabled, 0);
        EXPECT_EQ(display_pixel(230, 311), SOUND_CROSS_COLOUR);  // where the strokes cross
        sounds_before = headless_sounds().size();
        tap(300, 100);  // beyond the board's right edge: no square, nothing happens
    });
    then([] {
        EXPECT_EQ(selected_col, -1);
        tap_square(4, 1);
    });
    then([] {
        EXPECT_TRUE(selected_col == 4 && headless_sounds().size() == sounds_before);
        tap_square(4, 2);
    });
    when(awaiting_person, [] {
        EXPECT_EQ(sounds_named(u"movement.wav"), 0);
        EXPECT_EQ(sounds_named(u""), 2);  // the slides still stop the sound
        tap_sound();
    });
    then([] {
        EXPECT_EQ(sound_enabled, 1);
        EXPECT_TRUE(lower_panel_shown());
        tap_about();
    });
    // The about screen: its picture, nothing charged, any tap returns.
    static int32_t used[2];
    then([] {
        EXPECT_EQ(screen_state, SCREEN_ABOUT);
        EXPECT_TRUE(picture_shown(about_picture, 0, 0, FRAME_WIDTH, FRAME_HEIGHT, false));
        used[White] = time_used[White];
        used[Black] = time_used[Black];
        headless_advance_time(50000);
    });
    then([] { tap(5, 5); });
    when(awaiting_person, [] {
        EXPECT_TRUE(board_shown());
        EXPECT_TRUE(lower_panel_shown());
        EXPECT_LT(time_used[White], used[White] + 1000);
        EXPECT_EQ(time_used[Black], used[Black]);
        // After a5-a6 Black's only piece, the pawn a7, is blocked and has nothing to take.
        set_position({{8, 0, 4, White, Pawn}, {4, 7, 0, White, King}, {24, 0, 6, Black, Pawn}});
    });
    play_move(0, 4, 0, 5);
    when([] { return game_over != 0; }, [] {
        EXPECT_EQ(game_over, 2);
        EXPECT_EQ(animation_pending, 0);
    });
    // Once the game is over only Quit and Menu answer.
    then([] {
        EXPECT_TRUE(banner_shown(bluewin_picture));
        tap_takeback();
    });
    then([] { tap_about(); });
    then([] { tap_sound(); });
    then([] { tap_square(7, 0); });
    then([] {
        EXPECT_EQ(history_count, 3);
        EXPECT_EQ(screen_state, SCREEN_PLAY);
        EXPECT_EQ(sound_enabled, 1);
        EXPECT_EQ(selected_col, NO_CELL);
        tap_menu();
    });
    then([] {
        EXPECT_EQ(screen_state, SCREEN_MENU);
        tap_cell(BACK_BUTTON);
    });
    then([] {
        EXPECT_EQ(game_over, 2);
        EXPECT_TRUE(banner_shown(bluewin_picture));
        tap_menu();
    });
    // e3-e4 gives White's last piece to the pawn d5, which must take it; White has then no piece
    // and so no move, and wins.
    choose_options(PLAYERS_PERSON_WHITE, 0, 1, 0);
    when(awaiting_person, [] { set_position({{12, 4, 2, White, Pawn}, {27, 3, 4, Black, Pawn}}); });
    play_move(4, 2, 4, 3);
    when([] { return game_over != 0; }, [] {
        EXPECT_EQ(game_over, 1);
        EXPECT_EQ(PieceTable[12].file, CAPTURED);
    });
    then([] {
        EXPECT_TRUE(banner_shown(greenwin_picture));
        tap_quit();
    });
    hold();
    EXPECT_EQ(run_scenario(), 1u);
    EXPECT_TRUE(everything_released());
}

}  // namespace
