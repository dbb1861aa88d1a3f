// Scenarios of the title screen and the menu: start-up, options and their frames, Back.
#include <gtest/gtest.h>

#include "engine/position.h"
#include "engine/search.h"
#include "game/assets.h"
#include "game/board_view.h"
#include "game/clocks.h"
#include "game/game_state.h"
#include "game/menu.h"
#include "game/title.h"
#include "graphics/draw.h"
#include "platform/headless/headless.h"
#include "tests/scenarios/scenario.h"

namespace {

// 1 when both outlines of a cell's frame are white on the display.
bool cell_framed(const MenuCell &cell) {
    for (int inset = 0; inset >= -1; inset--) {
        int x0 = cell.x0 + inset, y0 = cell.y0 + inset, x1 = cell.x1 - inset, y1 = cell.y1 - inset;
        for (int x = x0; x <= x1; x++)
            if (display_pixel(x, y0) != 0xFFFF || display_pixel(x, y1) != 0xFFFF) return false;
        for (int y = y0; y <= y1; y++)
            if (display_pixel(x0, y) != 0xFFFF || display_pixel(x1, y) != 0xFFFF) return false;
    }
    return true;
}

// 1 when the menu shows its picture everywhere outside the frames of the chosen cells.
bool menu_shown_outside(const MenuCell *framed, int count) {
    for (int y = 0; y < FRAME_HEIGHT; y++) {
        for (int x = 0; x < FRAME_WIDTH; x++) {
            bool in_frame = false;
            for (int i = 0; i < count; i++) {
                const MenuCell &c = framed[i];
                in_frame |= x >= c.x0 - 1 && x <= c.x1 + 1 && y >= c.y0 - 1 && y <= c.y1 + 1;
            }
            if (!in_frame && display_pixel(x, y) != panel3_picture[y * FRAME_WIDTH + x]) return false;
        }
    }
    return true;
}

// The window pixels of the first title frame all show board texel (16, 16); the rest is the
// title picture, and the strip below is the title panel.
bool first_title_frame_shown() {
    uint16_t texel = board_picture[16 * BOARD_SIZE + 16];
    for (int y = 0; y < BOARD_SIZE; y++) {
        for (int x = 0; x < BOARD_SIZE; x++) {
            uint16_t front = front_picture[y * BOARD_SIZE + x];
            if (display_pixel(x, y) != (front == KEY_COLOUR ? texel : front)) return false;
        }
    }
    return picture_shown(panel4_picture, 0, 240, FRAME_WIDTH, 80, false);
}

TEST(TitleScreen, StartsOnTheTitleAndIgnoresATapMadeBeforeTheFirstFrame) {
    start_device();
    headless_tap(120, 300);
    static bool first_frame_checked = false;
    // The first title frame is drawn with the spin at 0 and presented with it moved on to 2.
    every_frame([] {
        if (first_frame_checked || screen_state != SCREEN_TITLE || spin_angle != 2) return;
        EXPECT_TRUE(first_title_frame_shown());
        first_frame_checked = true;
    });
    for (int i = 0; i < 10; i++) when(always, [] {});
    when(always, [] { EXPECT_EQ(screen_state, SCREEN_TITLE); });
    ScenarioResult result = run_scenario();
    EXPECT_TRUE(result.finished);
    EXPECT_TRUE(first_frame_checked);
    EXPECT_EQ(sounds_named(u"menu2.wav"), 0);
    EXPECT_EQ(side_to_move, NO_GAME);
}

TEST(TitleScreen, TapOnTheBoardAreaIsIgnoredAndATapBelowOpensTheMenu) {
    start_device();
    when(title_running, [] { tap(120, 240); });
    when(always, [] { tap(120, 100); });
    for (int i = 0; i < 3; i++) when(always, [] {});
    when(always, [] {
        EXPECT_EQ(screen_state, SCREEN_TITLE);
        tap(120, 241);
    });
    when(always, [] {
        EXPECT_EQ(screen_state, SCREEN_MENU);
        EXPECT_EQ(sounds_named(u"menu2.wav"), 1);
        // The defaults: person against computer, 2 minutes, no increment, level 1.
        MenuCell framed[4] = {PLAYERS_CELLS[1], TIME_CONTROL_CELLS[1], INCREMENT_CELLS[0], level_cell(1)};
        for (const MenuCell &cell : framed) EXPECT_TRUE(cell_framed(cell));
        EXPECT_TRUE(menu_shown_outside(framed, 4));
    });
    EXPECT_TRUE(run_scenario().finished);
}

TEST(Menu, EveryOptionCellSetsItsValueFramesItAndSoundsOnce) {
    start_device();
    when(title_running, [] { tap(120, 300); });
    struct Row {
        const MenuCell *cells;
        int count;
        const uint8_t *option;
    };
    static const Row rows[3] = {{PLAYERS_CELLS, 3, &players},
                                {TIME_CONTROL_CELLS, 5, &time_control},
                                {INCREMENT_CELLS, 4, &increment_option}};
    static int taps = 0;
    taps = 0;
    for (const Row &row : rows) {
        for (int value = 0; value < row.count; value++) {
            MenuCell cell = row.cells[value];
            // Alternate the two corners of the cell: its edges count.
            when([] { return on_screen(SCREEN_MENU); }, [=] {
                if (value % 2) tap(cell.x0, cell.y0); else tap(cell.x1, cell.y1);
            });
            when(always, [=] {
                taps++;
                EXPECT_EQ(*row.option, value);
                EXPECT_TRUE(cell_framed(cell));
                EXPECT_EQ(sounds_named(u"menu1.wav"), taps);
            });
        }
    }
    for (int value = 0; value < LEVEL_COUNT; value++) {
        when(always, [=] {
            MenuCell cell = level_cell(value);
            tap(cell.x0, cell.y1);
        });
        when(always, [=] {
            taps++;
            EXPECT_EQ(level, value);
            EXPECT_TRUE(cell_framed(level_cell(value)));
            EXPECT_EQ(sounds_named(u"menu1.wav"), taps);
        });
    }
    // The chosen cell again still sounds.
    when(always, [] { tap(level_cell(14).x0 + 3, level_cell(14).y0 + 3); });
    when(always, [] { EXPECT_EQ(sounds_named(u"menu1.wav"), taps + 1); });
    EXPECT_TRUE(run_scenario().finished);
}

TEST(Menu, TapsBetweenCellsChangeNothingButRedraw) {
    start_device();
    when(title_running, [] { tap(120, 300); });
    const int gaps[][2] = {{179, 50}, {124, 160}, {152, 190}, {110, 177}, {110, 205}, {20, 20}};
    for (const auto &gap : gaps) {
        int x = gap[0], y = gap[1];
        when([] { return on_screen(SCREEN_MENU); }, [=] { tap(x, y); });
    }
    when(always, [] {
        EXPECT_EQ(players, 1);
        EXPECT_EQ(level, 1);
        EXPECT_EQ(time_control, 1);
        EXPECT_EQ(increment_option, 0);
        EXPECT_EQ(sounds_named(u"menu1.wav"), 0);
        MenuCell framed[4] = {PLAYERS_CELLS[1], TIME_CONTROL_CELLS[1], INCREMENT_CELLS[0], level_cell(1)};
        EXPECT_TRUE(menu_shown_outside(framed, 4));
    });
    EXPECT_TRUE(run_scenario().finished);
}

TEST(Menu, BackBeforeAnyGameReturnsToTheTitle) {
    start_device();
    when(title_running, [] { tap(120, 300); });
    when([] { return on_screen(SCREEN_MENU); }, [] { tap_cell(level_cell(3)); });
    when(always, [] { tap_back(); });
    when(always, [] {
        EXPECT_EQ(screen_state, SCREEN_TITLE);
        EXPECT_EQ(sounds_named(u"menu2.wav"), 2);
        EXPECT_EQ(level, 3);  // no game to restore: the choice stays
        EXPECT_TRUE(picture_shown(panel4_picture, 0, 240, FRAME_WIDTH, 80, false));
    });
    when(always, [] { EXPECT_EQ(screen_state, SCREEN_TITLE); });
    EXPECT_TRUE(run_scenario().finished);
}

}  // namespace
