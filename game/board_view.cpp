// The drawing of the play screen.
#include "game/board_view.h"

#include "engine/position.h"
#include "game/assets.h"
#include "game/game_state.h"
#include "graphics/draw.h"
#include "shell/shell.h"
#include "sound/sound.h"

namespace {

// The sound cross: six lines over the speaker corner, three pixels thick. The last two reach
// x = 240, just outside the frame, where the line drawing leaves those points out.
struct CrossLine {
    float x0, y0, x1, y1;
};
const CrossLine SOUND_CROSS[6] = {
    {222, 303, 238, 319}, {222, 319, 238, 303}, {223, 303, 239, 319},
    {223, 319, 239, 303}, {224, 303, 240, 319}, {224, 319, 240, 303},
};

}  // namespace

// Plain copy of a picture; the pictures are packed with a stride of their width.
void copy_picture(const uint16_t *picture, int x, int y, int width, int height) {
    for (int row = 0; row < height; row++) {
        const uint16_t *source = picture + row * width;
        uint16_t *target = frame + (y + row) * FRAME_WIDTH + x;
        for (int column = 0; column < width; column++) target[column] = source[column];
    }
}

// Copy that leaves the frame showing through wherever the picture is pure red.
void copy_picture_keyed(const uint16_t *picture, int x, int y, int width, int height) {
    for (int row = 0; row < height; row++) {
        const uint16_t *source = picture + row * width;
        uint16_t *target = frame + (y + row) * FRAME_WIDTH + x;
        for (int column = 0; column < width; column++)
            if (source[column] != KEY_COLOUR) target[column] = source[column];
    }
}

// One piece picture at (x, y), its pure-red pixels left out.
void draw_piece(int index, int x, int y) {
    copy_picture_keyed(piece_pictures[index], x, y, PIECE_SIZE, PIECE_SIZE);
}

// The board picture and every piece standing on the board.
void draw_board() {
    copy_picture(board_picture, 0, 0, BOARD_SIZE, BOARD_SIZE);
    for (int rank = 0; rank < 8; rank++) {
        for (int file = 0; file < 8; file++) {
            int id = BoardMap[board_index(file, rank)];
            if (id == EMPTY_SQUARE) continue;
            const PieceRecord &piece = PieceTable[id];
            draw_piece(piece.kind + 6 * piece.colour, square_x(file), square_y(rank));
        }
    }
}

// The lower panel with its buttons; a red cross over the speaker while sound is off.
void draw_lower_panel() {
    copy_picture(panel2_picture, 0, LOWER_PANEL_TOP, FRAME_WIDTH, PANEL_HEIGHT);
    if (sound_enabled != 0) return;
    for (const CrossLine &line : SOUND_CROSS)
        draw_line(line.x0, line.y0, line.x1, line.y1, SOUND_CROSS_COLOUR);
}

// Green banner when White has won, blue otherwise, over the middle of the board.
void draw_result_banner() {
    const uint16_t *banner = game_over == 1 ? greenwin_picture : bluewin_picture;
    copy_picture_keyed(banner, BANNER_X, BANNER_Y, BANNER_WIDTH, BANNER_HEIGHT);
}

// The about picture over the whole frame, shown at once.
void show_about() {
    copy_picture(about_picture, 0, 0, FRAME_WIDTH, FRAME_HEIGHT);
    present_and_pump(true);
}
