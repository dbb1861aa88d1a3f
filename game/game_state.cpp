// The game's shared variables and the small rules every screen applies to them.
#include "game/game_state.h"

#include "engine/position.h"
#include "engine/search.h"

uint8_t screen_state = SCREEN_PLAY;
uint8_t quit_requested = 0;
uint8_t game_over = 0;
uint8_t promotion_pending = 0;
uint8_t animation_pending = 0;
uint8_t takeback_pending = 0;

uint8_t players = 0;
uint8_t time_control = 0;
uint8_t increment_option = 0;
uint8_t saved_players = 0;
uint8_t saved_level = 0;
uint8_t saved_time_control = 0;
uint8_t saved_increment_option = 0;

int32_t time_budget[2] = {0, 0};
int32_t time_used[2] = {0, 0};
uint32_t tick_base = 0;
int32_t increment_ms = 0;

HistoryRecord move_history[HISTORY_SIZE];
int history_count = 0;

int anim_sprite = 0;
int anim_from_x = 0, anim_from_y = 0;
int anim_to_x = 0, anim_to_y = 0;
int anim_step = 0;

int arrival_kind = 0;
int promoted_piece = 0;
uint8_t computer_promoted = 0;

int selected_col = NO_CELL;
int selected_row = 0;
int target_col = NO_CELL;
int target_row = 0;

int spin_angle = 0;
int sway_angle_u = 0;
int sway_angle_v = 0;

// White is a person's unless the computer plays both; Black only when people play both.
int is_person_to_move() {
    if (side_to_move == White) return players != PLAYERS_COMPUTER_ONLY;
    if (side_to_move == Black) return players == PLAYERS_PEOPLE_ONLY;
    return 0;
}

// The options as they stood when the menu or about screen opened, so Back can undo changes.
void save_options() {
    saved_level = (uint8_t)level;
    saved_time_control = time_control;
    saved_increment_option = increment_option;
    saved_players = players;
}

// A game resumed without a new start keeps its level, clock and increment; a change of players
// is the one option that takes effect at once.
void restore_options() {
    level = (int8_t)saved_level;
    time_control = saved_time_control;
    increment_option = saved_increment_option;
    saved_players = players;
}
