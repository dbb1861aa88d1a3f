// A first session from start-up: the title, every option of the menu, Back before a game, and a
// game against the computer with selection, refusals, a capture, take-backs and the menu.
#include <gtest/gtest.h>

#include "engine/search.h"
#include "tests/scenarios/scenario.h"

namespace {

// 1 when the display shows the menu picture with the cells of the options in force framed in
// white, two pixels wide, and nothing else drawn.
bool menu_shows_options() {
    std::vector<uint16_t> expected(panel3_picture, panel3_picture + FRAME_WIDTH * FRAME_HEIGHT);
    const MenuCell framed[4] = {PLAYERS_CELLS[players], TIME_CONTROL_CELLS[time_control],
                                INCREMENT_CELLS[increment_option], level_cell(level)};
    for (const MenuCell &c : framed)
        for (int y = c.y0 - 1; y <= c.y1 + 1; y++)
            for (int x = c.x0 - 1; x <= c.x1 + 1; x++)
                if (x <= c.x0 || x >= c.x1 || y <= c.y0 || y >= c.y1)
                    expected[(size_t)(y * FRAME_WIDTH + x)] = MENU_FRAME_COLOUR;
    return picture_shown(expected.data(), 0, 0, FRAME_WIDTH, FRAME_HEIGHT, false);
}

// An option row of the menu: its cells and the value they set.
struct OptionRow {
    const MenuCell *cells;
    int count;
    int (*value)();
};

TEST(FirstSession, TitleMenuOptionsAndAGameWithRefusalsACaptureTakeBacksAndTheMenu) {
    start_device();
    headless_tap(120, 300);  // before the first frame: thrown away
    // A tap on the title's board area does nothing; one just below opens the menu.
    when(title_running, [] { tap(120, 240); });
    then([] {
        EXPECT_EQ(screen_state, SCREEN_TITLE);
        EXPECT_EQ(sounds_named(u"menu2.wav"), 0);
        tap(120, 241);
    });
    // Taps between the cells change nothing: the defaults stay framed.
    const int gaps[][2] = {{179, 50}, {124, 160}, {152, 190}, {110, 177}, {110, 205}, {20, 20}};
    for (const auto &gap : gaps) then([=] { tap(gap[0], gap[1]); });
    then([] {
        EXPECT_EQ(sounds_named(u"menu2.wav"), 1);
        EXPECT_EQ(sounds_named(u"menu1.wav"), 0);
        EXPECT_EQ(players * 1000 + time_control * 100 + increment_option * 10 + level, 1101);  // the defaults
        EXPECT_TRUE(menu_shows_options());
    });
    // Every cell, tapped at one of its corners, sets its value, takes the frame and sounds.
    static MenuCell levels[LEVEL_COUNT];
    for (int value = 0; value < LEVEL_COUNT; value++) levels[value] = level_cell(value);
    static const OptionRow rows[4] = {{PLAYERS_CELLS, 3, [] { return (int)players; }},
                                      {TIME_CONTROL_CELLS, 5, [] { return (int)time_control; }},
                                      {INCREMENT_CELLS, 4, [] { return (int)increment_option; }},
                                      {levels, LEVEL_COUNT, [] { return (int)level; }}};
    static int option_taps = 0;
    for (const OptionRow &row : rows) {
        for (int value = 0; value < row.count; value++) {
            MenuCell c = row.cells[value];
            then([=] { tap(value & 1 ? c.x1 : c.x0, value & 2 ? c.y1 : c.y0); });
            then([=] {
                EXPECT_EQ(row.value(), value);
                EXPECT_TRUE(menu_shows_options());
                EXPECT_EQ(sounds_named(u"menu1.wav"), ++option_taps);
            });
        }
    }
    then([] { tap_cell(BACK_BUTTON); });
    then([] {
        EXPECT_EQ(screen_state, SCREEN_TITLE);
        EXPECT_EQ(sounds_named(u"menu2.wav"), 2);
        EXPECT_EQ(level, LEVEL_COUNT - 1);  // no game to restore: the choice stays
        EXPECT_TRUE(picture_shown(panel4_picture, 0, TITLE_PANEL_TOP, FRAME_WIDTH, TITLE_PANEL_HEIGHT, false));
    });
    start_game(PLAYERS_PERSON_WHITE, 0, 1, 0);
    when(awaiting_person, [] {
        EXPECT_TRUE(board_shown());
        tap_square(4, 6);  // an opponent's pawn: nothing
    });
    then([] {
        EXPECT_EQ(selected_col, NO_CELL);
        EXPECT_EQ(sounds_named(u"select.wav") + sounds_named(u"nope.wav"), 0);
        tap_square(4, 1);  // e2
    });
    static uint16_t outline;
    then([] {
        EXPECT_EQ(selected_col * 10 + selected_row, 46);
        EXPECT_EQ(sounds_named(u"select.wav"), 1);
        outline = display_pixel(120, 180);
    });
    then([] {
        EXPECT_NE(display_pixel(120, 180), outline);  // the frame's colours flash
        tap_square(3, 1);  // own piece on d2: not a target
    });
    then([] { tap_square(4, 4); });  // e2-e5: no pawn move
    then([] {
        EXPECT_EQ(sounds_named(u"nope.wav"), 2);
        EXPECT_EQ(selected_col, 4);
        tap_square(4, 1);  // put it back: the frame goes with the redrawn board
    });
    then([] {
        EXPECT_EQ(selected_col, NO_CELL);
        EXPECT_EQ(sounds_named(u"select.wav"), 2);
        EXPECT_TRUE(board_shown());
    });
    play_move(4, 1, 4, 2);  // e2-e3
    when(awaiting_computer, [] { tap_quit(); });  // thrown away while the computer thinks
    static int32_t used_before[2], budget_before;
    when(awaiting_person, [] {
        EXPECT_EQ(history_count, 2);
        used_before[White] = move_history[0].white_time_used;
        used_before[Black] = move_history[0].black_time_used;
        budget_before = time_budget[White];
        headless_advance_time(3000);
        tap_takeback();
    });
    when(awaiting_person, [] {
        EXPECT_EQ(history_count, 0);
        EXPECT_EQ(BoardMap[board_index(4, 1)], 4);
        EXPECT_TRUE(board_shown());
        EXPECT_EQ(move_counts[White], 1);  // move counts are not reduced
        EXPECT_EQ(time_budget[White], budget_before);
        EXPECT_EQ(time_used[White], used_before[White]);
        EXPECT_EQ(time_used[Black], used_before[Black]);
        tap_takeback();  // nothing left to take back
    });
    then([] {
        EXPECT_EQ(takeback_pending, 0);
        EXPECT_EQ(sounds_named(u"movement.wav"), 4);
        // White: pawn e4, knight b1, king e1. Black: pawn d5, king e8, pawn h7.
        set_position({{12, 4, 3, White, Pawn}, {1, 1, 0, White, Knight}, {4, 4, 0, White, King},
                      {27, 3, 4, Black, Pawn}, {20, 4, 7, Black, King}, {31, 7, 6, Black, Pawn}});
    });
    play_move(1, 0, 0, 2);  // Nb1-a3: legal but quiet while a capture exists
    then([] {
        EXPECT_EQ(sounds_named(u"nope.wav"), 3);
        EXPECT_EQ(BoardMap[board_index(1, 0)], 1);
        tap_square(1, 0);  // put the knight back
    });
    play_move(4, 3, 3, 4);  // exd5
    when(awaiting_person, [] {
        EXPECT_EQ(PieceTable[27].file, CAPTURED);
        EXPECT_EQ(history_count, 2);
        EXPECT_TRUE(board_shown());
        tap_takeback();
    });
    static int32_t used_in_game;
    when(awaiting_person, [] {
        EXPECT_EQ(BoardMap[board_index(3, 4)], 27);  // the victim is back
        EXPECT_EQ(BoardMap[board_index(4, 3)], 12);
        EXPECT_TRUE(board_shown());
        EXPECT_EQ(sounds_named(u"movement.wav"), 8);
        EXPECT_EQ(sounds_named(u""), 8);  // each slide stops the sound
        used_in_game = time_used[White];
        tap_menu();
    });
    // Back keeps the game's level, clock and increment but the new players: the computer takes
    // White over.
    tap_cells({level_cell(9), TIME_CONTROL_CELLS[3], INCREMENT_CELLS[3], PLAYERS_CELLS[PLAYERS_COMPUTER_ONLY]});
    then([] {
        headless_advance_time(30000);
        tap_cell(BACK_BUTTON);
    });
    then([] {
        EXPECT_EQ(players * 1000 + time_control * 100 + increment_option * 10 + level, 100);  // 0, 1, 0, 0
        EXPECT_LT(time_used[White], used_in_game + 1000);  // the menu's time is charged to nobody
    });
    when([] { return history_count > 0; }, [] { EXPECT_EQ(PieceTable[move_history[0].mover].colour, White); });
    EXPECT_EQ(run_scenario(), 0u);
}

}  // namespace
