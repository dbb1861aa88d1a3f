// The title screen's animation: a fixed-point walk over the board picture, turned and scaled per
// frame, drawn wherever the title picture is pure red.
#include "game/title.h"

#include <cmath>
#include <cstdint>

#include "game/assets.h"
#include "game/board_view.h"
#include "game/game_state.h"
#include "game/main_loop.h"
#include "graphics/draw.h"
#include "shell/shell.h"
#include "sound/sound.h"

namespace {

#define DEGREES_TO_RADIANS 0.017453292519943295
#define TEXTURE_ORIGIN 65536u  // texel (256, 256) in 8-bit fixed point: (16, 16) after wrapping
#define SPIN_STEP 2
#define SWAY_U_STEP 2
#define SWAY_V_STEP 3

// Degrees to radians.
double rad(int degrees) { return degrees * DEGREES_TO_RADIANS; }

// The walk for one frame: start values and the steps along a row and from row to row.
struct TextureWalk {
    uint32_t u_start, v_start;
    int32_t du_x, dv_x, du_y, dv_y;
};

// Turns by spin_angle and scales by 2 sin(spin_angle) texels per pixel, swaying the centre.
TextureWalk plan_walk() {
    TextureWalk walk;
    float zoom = (float)(2.0 * std::sin(rad(spin_angle)));
    walk.du_x = (int32_t)(std::cos(rad(spin_angle)) * zoom * 256);
    walk.dv_x = (int32_t)(std::sin(rad(spin_angle)) * zoom * 256);
    walk.du_y = (int32_t)(std::sin(rad(spin_angle)) * zoom * -256);
    walk.dv_y = (int32_t)(std::cos(rad(spin_angle)) * zoom * 256);
    int32_t sway_u = (int32_t)(100 * std::sin(rad(sway_angle_u)) + 50);
    int32_t sway_v = (int32_t)(70 * std::cos(rad(sway_angle_v)) + 35);
    sway_angle_u = (sway_angle_u + SWAY_U_STEP) % 360;
    sway_angle_v = (sway_angle_v + SWAY_V_STEP) % 360;
    walk.u_start = TEXTURE_ORIGIN - (uint32_t)sway_u * (uint32_t)(walk.du_x + walk.du_y);
    walk.v_start = TEXTURE_ORIGIN - (uint32_t)sway_v * (uint32_t)(walk.dv_x + walk.dv_y);
    return walk;
}

// Rows 0-239: title pixels as they are, the board texture through the pure-red windows.
void draw_title(const TextureWalk &walk) {
    uint32_t row_u = walk.u_start, row_v = walk.v_start;
    for (int y = 0; y < BOARD_SIZE; y++) {
        row_u += (uint32_t)walk.du_y;
        row_v += (uint32_t)walk.dv_y;
        uint32_t u = row_u, v = row_v;
        const uint16_t *front = front_picture + y * BOARD_SIZE;
        uint16_t *target = frame + y * FRAME_WIDTH;
        for (int x = 0; x < BOARD_SIZE; x++) {
            if (front[x] != KEY_COLOUR)
                target[x] = front[x];
            else
                target[x] = board_picture[BOARD_SIZE * ((v >> 8) % BOARD_SIZE) + (u >> 8) % BOARD_SIZE];
            u += (uint32_t)walk.du_x;
            v += (uint32_t)walk.dv_x;
        }
    }
}

}  // namespace

// Draws the animation, moves it on, and opens the menu on a tap below the board.
void title_frame() {
    draw_title(plan_walk());
    spin_angle = (spin_angle + SPIN_STEP) % 360;
    if (take_tap() && get_tap_y() > TITLE_PANEL_TOP) {
        play_menu2_sound();
        enter_menu();
    }
    present_and_pump(true);
}
