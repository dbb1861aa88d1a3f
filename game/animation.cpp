// The slides that show moves and take-backs: each frame copies the saved board and draws the
// travelling piece on it; the board itself is redrawn only at the end.
#include "game/animation.h"

#include <cstring>

#include "engine/position.h"
#include "game/assets.h"
#include "game/board_view.h"
#include "game/game_state.h"
#include "game/main_loop.h"
#include "game/moves.h"
#include "game/promotion.h"
#include "graphics/draw.h"
#include "shell/shell.h"
#include "sound/sound.h"

namespace {

// The travelling piece over the saved board, at step of steps along its way.
void draw_slide_frame(int steps) {
    copy_picture(background_copy, 0, 0, FRAME_WIDTH, FRAME_HEIGHT);
    int x = anim_from_x + (anim_to_x - anim_from_x) * anim_step / steps;
    int y = anim_from_y + (anim_to_y - anim_from_y) * anim_step / steps;
    draw_piece(anim_sprite, x, y);
}

// After a move's slide: the promotion choice, or the computer's promotion and the end test.
void finish_move() {
    stop_sound();
    animation_pending = 0;
    if (arrival_kind == -1) {
        open_promotion_panel();
    } else {
        if (computer_promoted == 1) PieceTable[promoted_piece].kind = (int8_t)arrival_kind;
        end_game_when_stuck();
    }
    draw_board();
}

}  // namespace

// A snapshot of the frame, kept as the background of a slide.
void copy_frame_to(uint16_t *buffer) {
    std::memcpy(buffer, frame, sizeof(uint16_t) * FRAME_WIDTH * FRAME_HEIGHT);
}

// The background is the board as the player saw it before the piece set off: the piece that
// arrives is lifted off its end square for the drawing and put back.
void start_slide(int sprite, int from_file, int from_rank, int to_file, int to_rank, int uncovered) {
    anim_sprite = sprite;
    anim_from_x = square_x(from_file);
    anim_from_y = square_y(from_rank);
    anim_to_x = square_x(to_file);
    anim_to_y = square_y(to_rank);
    anim_step = 0;
    int8_t &end_square = BoardMap[board_index(to_file, to_rank)];
    int8_t arrived = end_square;
    end_square = (int8_t)uncovered;
    draw_board();
    copy_frame_to(background_copy);
    end_square = arrived;
    draw_piece(anim_sprite, anim_from_x, anim_from_y);
}

// One frame of a move's slide; the first adds the increment to the side that moved.
void step_move_animation() {
    draw_slide_frame(MOVE_ANIMATION_STEPS);
    if (anim_step == 0) time_budget[1 - side_to_move] += increment_ms;
    anim_step += 1;
    if (anim_step < MOVE_ANIMATION_STEPS) return;
    finish_move();
}

// One frame of a take-back's slide.
void step_takeback_animation() {
    draw_slide_frame(TAKEBACK_ANIMATION_STEPS);
    anim_step += 1;
    if (anim_step < TAKEBACK_ANIMATION_STEPS) return;
    finish_takeback();
}
