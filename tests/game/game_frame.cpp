// The test frame: pictures filled with distinct plain values, none of them the key colour
// except where a test paints it.
#include "tests/game/game_frame.h"

#include "game/assets.h"
#include "graphics/draw.h"
#include "graphics/font.h"
#include "platform/headless/headless.h"
#include "shell/shell.h"

namespace {

// A picture of the given size filled with one value.
uint16_t *plain_picture(int width, int height, uint16_t value) {
    uint16_t *picture = new uint16_t[(size_t)(width * height)];
    for (int i = 0; i < width * height; i++) picture[i] = value;
    return picture;
}

}  // namespace

GameFrame::GameFrame() : frame_pixels(FRAME_WIDTH * FRAME_HEIGHT, 0) {
    headless_reset();
    build_font();
    BackBuffer = frame_pixels.data();
    draw_target = frame_pixels.data();
    frame = frame_pixels.data();
    about_picture = plain_picture(FRAME_WIDTH, FRAME_HEIGHT, 0x1111);
    greenwin_picture = plain_picture(BANNER_WIDTH, BANNER_HEIGHT, 0x07E0);
    bluewin_picture = plain_picture(BANNER_WIDTH, BANNER_HEIGHT, 0x001F);
    panel1_picture = plain_picture(FRAME_WIDTH, PANEL_HEIGHT, 0x2222);
    panel2_picture = plain_picture(FRAME_WIDTH, PANEL_HEIGHT, 0x3333);
    panel3_picture = plain_picture(FRAME_WIDTH, FRAME_HEIGHT, 0x4444);
    panel4_picture = plain_picture(FRAME_WIDTH, TITLE_PANEL_HEIGHT, 0x5555);
    board_picture = plain_picture(BOARD_SIZE, BOARD_SIZE, 0x6666);
    front_picture = plain_picture(BOARD_SIZE, BOARD_SIZE, 0x7777);
    background_copy = plain_picture(FRAME_WIDTH, FRAME_HEIGHT, 0);
    for (int i = 0; i < PIECE_PICTURE_COUNT; i++) piece_pictures[i] = plain_picture(PIECE_SIZE, PIECE_SIZE, (uint16_t)(0x0100 + i));
}

GameFrame::~GameFrame() {
    uint16_t **pictures[] = {&about_picture, &greenwin_picture, &bluewin_picture, &panel1_picture,
                             &panel2_picture, &panel3_picture, &panel4_picture, &board_picture,
                             &front_picture, &background_copy};
    for (uint16_t **picture : pictures) {
        delete[] *picture;
        *picture = nullptr;
    }
    for (uint16_t *&picture : piece_pictures) {
        delete[] picture;
        picture = nullptr;
    }
    release_font();
    BackBuffer = nullptr;
}

uint16_t GameFrame::pixel(int x, int y) const { return frame_pixels[(size_t)(y * FRAME_WIDTH + x)]; }
