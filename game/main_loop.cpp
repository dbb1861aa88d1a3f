// The game's main loop: one frame of the current screen per pass, paced, until the player quits
// or the window is closed; the play frame with its sub-states; the about frame.
#include "game/main_loop.h"

#include "engine/captures.h"
#include "engine/position.h"
#include "engine/search.h"
#include "game/assets.h"
#include "game/board_view.h"
#include "game/clocks.h"
#include "game/animation.h"
#include "game/computer_turn.h"
#include "game/game_state.h"
#include "game/human_input.h"
#include "game/menu.h"
#include "game/panel_layout.h"
#include "game/promotion.h"
#include "game/title.h"
#include "graphics/draw.h"
#include "shell/shell.h"
#include "sound/sound.h"

namespace {

// The finished game: the banner, and only Quit and Menu answer.
void game_over_frame() {
    draw_result_banner();
    present_and_pump(true);
    if (!take_tap()) return;
    int x = get_tap_x(), y = get_tap_y();
    if (tap_hits_quit(x, y))
        quit_requested = 1;
    else if (tap_hits_menu(x, y))
        enter_menu();
}

// A turn: the side to move is charged, then moves by tap or by the computer's choice.
void turn_frame() {
    charge_clock(side_to_move);
    if (is_person_to_move()) {
        human_turn();
    } else {
        computer_turn();
        charge_clock(1 - side_to_move);
    }
    restart_clock();
}

// The about screen waits for any tap, then the game resumes where it was.
void about_frame() {
    if (take_tap()) {
        screen_state = SCREEN_PLAY;
        draw_board();
        draw_lower_panel();
        restore_options();
        restart_clock();
    }
    present_and_pump(true);
}

// One frame of whichever screen runs.
void run_screen() {
    switch (screen_state) {
        case SCREEN_PLAY: play_frame(); break;
        case SCREEN_MENU: menu_frame(); break;
        case SCREEN_TITLE: title_frame(); break;
        case SCREEN_ABOUT: about_frame(); break;
        default: break;
    }
}

}  // namespace

// One frame of the play screen: the first pending sub-state runs, then the clocks are drawn.
void play_frame() {
    if (takeback_pending == 1) {
        step_takeback_animation();
    } else if (game_over != 0) {
        game_over_frame();
    } else if (promotion_pending == 1) {
        charge_clock(1 - side_to_move);
        choose_promotion();
    } else if (animation_pending == 1) {
        step_move_animation();
    } else {
        turn_frame();
    }
    if (game_over == 0 && screen_state == SCREEN_PLAY) draw_clocks();
}

// Taps already queued are taken one by one with a pump between them until none is left.
void discard_taps() {
    while (take_tap()) present_and_pump(true);
}

// In losing chess the side that cannot move wins.
void end_game_when_stuck() {
    if (!has_no_legal_move()) return;
    game_over = (uint8_t)(side_to_move + 1);
    discard_taps();
}

// The menu is drawn at once; the options are kept so Back during a game can restore them.
void enter_menu() {
    screen_state = SCREEN_MENU;
    draw_menu();
    save_options();
}

// The about picture is shown at once; the options are kept as for the menu.
void enter_about() {
    screen_state = SCREEN_ABOUT;
    show_about();
    save_options();
}

// Black above, the title's strip below; the title frame draws the upper part.
void show_title_panel() {
    clear_frame(0);
    copy_picture(panel4_picture, 0, TITLE_PANEL_TOP, FRAME_WIDTH, TITLE_PANEL_HEIGHT);
}

// Quit: bottom-left of the lower panel.
int tap_hits_quit(int x, int y) { return panel_button_hit(QUIT_BUTTON, x, y); }

// Menu: top-left of the lower panel.
int tap_hits_menu(int x, int y) { return panel_button_hit(MENU_BUTTON, x, y); }

// The pause is measured from the end of the pass's work; sleeping through what is left of it
// lets a desktop rest, and the tick count is read again in case the sleep came back early.
void pace_frame() {
    mark_time();
    for (int32_t waited = ms_since_mark(); waited < FRAME_PAUSE_MS; waited = ms_since_mark())
        Sleep((DWORD)(FRAME_PAUSE_MS - waited));
}

// Loads everything, shows the title and runs screens until Quit or a close request.
void run_game() {
    build_folders();
    load_assets();
    node_charge_hook = charge_running_clock;
    show_title_panel();
    present_and_pump(true);
    discard_taps();
    while (quit_requested != 1 && !close_requested) {
        run_screen();
        pace_frame();
    }
    node_charge_hook = nullptr;
    release_assets();
}
