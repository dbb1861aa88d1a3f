// The promotion panel: a person's pawn on its last rank becomes the piece tapped on the panel.
#include "game/promotion.h"

#include "engine/position.h"
#include "game/assets.h"
#include "game/board_view.h"
#include "game/game_state.h"
#include "game/main_loop.h"
#include "graphics/draw.h"
#include "shell/shell.h"

// The five choices in the promoting side's colour (side_to_move is already the opponent).
void open_promotion_panel() {
    promotion_pending = 1;
    clear_frame(0);
    draw_board();
    copy_picture(panel1_picture, 0, LOWER_PANEL_TOP, FRAME_WIDTH, PANEL_HEIGHT);
    for (int n = 0; n < PROMOTION_CHOICES; n++)
        draw_piece(n + 7 - 6 * side_to_move, PROMOTION_CELL_X + PROMOTION_CELL_STEP * n, PROMOTION_CELL_Y);
    draw_board();
}

// Only a tap inside the row of choices counts; any other tap is used up and ignored.
void choose_promotion() {
    if (!take_tap()) return;
    int x = get_tap_x(), y = get_tap_y();
    if (!(x > 20 && x < 220 && y > 275 && y < 305)) return;
    int n = (x - PROMOTION_CELL_X) / PROMOTION_CELL_STEP;
    if (n < 0 || n >= PROMOTION_CHOICES) return;
    PieceTable[promoted_piece].kind = (int8_t)(n + 1);
    promotion_pending = 0;
    clear_frame(0);
    draw_board();
    draw_lower_panel();
    end_game_when_stuck();
}
