// The test frame: pictures filled with distinct plain values, none of them the key colour
// except where a test paints it.
#include "tests/game/game_frame.h"

#include <algorithm>

#include "game/assets.h"
#include "graphics/draw.h"
#include "graphics/font.h"
#include "platform/headless/headless.h"
#include "shell/shell.h"

namespace {

// Each picture the game draws from, its size and its plain value.
struct TestPicture {
    uint16_t **picture;
    int width, height;
    uint16_t value;
};

const TestPicture TEST_PICTURES[] = {
    {&about_picture, FRAME_WIDTH, FRAME_HEIGHT, 0x1111},      {&greenwin_picture, BANNER_WIDTH, BANNER_HEIGHT, 0x07E0},
    {&bluewin_picture, BANNER_WIDTH, BANNER_HEIGHT, 0x001F},  {&panel1_picture, FRAME_WIDTH, PANEL_HEIGHT, 0x2222},
    {&panel2_picture, FRAME_WIDTH, PANEL_HEIGHT, 0x3333},     {&panel3_picture, FRAME_WIDTH, FRAME_HEIGHT, 0x4444},
    {&panel4_picture, FRAME_WIDTH, TITLE_PANEL_HEIGHT, 0x5555}, {&board_picture, BOARD_SIZE, BOARD_SIZE, 0x6666},
    {&front_picture, BOARD_SIZE, BOARD_SIZE, 0x7777},         {&background_copy, FRAME_WIDTH, FRAME_HEIGHT, 0}};

// A picture of the given size filled with one value.
uint16_t *plain_picture(int width, int height, uint16_t value) {
    uint16_t *picture = new uint16_t[(size_t)(width * height)];
    std::fill(picture, picture + width * height, value);
    return picture;
}

}  // namespace

GameFrame::GameFrame() : frame_pixels(FRAME_WIDTH * FRAME_HEIGHT, 0) {
    headless_reset();
    build_font();
    BackBuffer = draw_target = frame = frame_pixels.data();
    for (const TestPicture &p : TEST_PICTURES) *p.picture = plain_picture(p.width, p.height, p.value);
    for (int i = 0; i < PIECE_PICTURE_COUNT; i++)
        piece_pictures[i] = plain_picture(PIECE_SIZE, PIECE_SIZE, (uint16_t)(0x0100 + i));
}

GameFrame::~GameFrame() {
    for (const TestPicture &p : TEST_PICTURES) {
        delete[] *p.picture;
        *p.picture = nullptr;
    }
    for (uint16_t *&picture : piece_pictures) {
        delete[] picture;
        picture = nullptr;
    }
    release_font();
    BackBuffer = nullptr;
}
