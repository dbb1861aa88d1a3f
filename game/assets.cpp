// Asset loading: takes the picture buffers, reads the TGA files of the pictures folder into them,
// and writes the defaults of the shared game variables; release_assets gives the buffers back.
#include "game/assets.h"

#include <cstdlib>
#include <string>

#include "engine/position.h"
#include "engine/search.h"
#include "game/game_state.h"
#include "graphics/draw.h"
#include "graphics/tga.h"
#include "shell/shell.h"
#include "sound/sound.h"

uint16_t *about_picture = nullptr;
uint16_t *greenwin_picture = nullptr;
uint16_t *bluewin_picture = nullptr;
uint16_t *panel1_picture = nullptr;
uint16_t *panel2_picture = nullptr;
uint16_t *panel3_picture = nullptr;
uint16_t *panel4_picture = nullptr;
uint16_t *board_picture = nullptr;
uint16_t *front_picture = nullptr;
uint16_t *piece_pictures[PIECE_PICTURE_COUNT] = {};
uint16_t *background_copy = nullptr;
uint16_t *frame = nullptr;

namespace {

// One picture file: where its buffer lives, its name in the pictures folder and its size.
struct PictureFile {
    uint16_t **buffer;
    const char16_t *name;
    int width, height;
};

// The pictures in loading order.
const PictureFile PICTURE_FILES[] = {
    {&about_picture, u"about.tga", FRAME_WIDTH, FRAME_HEIGHT},
    {&greenwin_picture, u"greenwin.tga", BANNER_WIDTH, BANNER_HEIGHT},
    {&bluewin_picture, u"bluewin.tga", BANNER_WIDTH, BANNER_HEIGHT},
    {&panel1_picture, u"panel1.tga", FRAME_WIDTH, PANEL_HEIGHT},
    {&panel2_picture, u"panel2.tga", FRAME_WIDTH, PANEL_HEIGHT},
    {&panel3_picture, u"panel3.tga", FRAME_WIDTH, FRAME_HEIGHT},
    {&panel4_picture, u"panel4.tga", FRAME_WIDTH, TITLE_PANEL_HEIGHT},
    {&board_picture, u"board.tga", BOARD_SIZE, BOARD_SIZE},
    {&front_picture, u"front.tga", BOARD_SIZE, BOARD_SIZE},
    {&piece_pictures[0], u"wpawn.tga", PIECE_SIZE, PIECE_SIZE},
    {&piece_pictures[1], u"wrook.tga", PIECE_SIZE, PIECE_SIZE},
    {&piece_pictures[2], u"wknight.tga", PIECE_SIZE, PIECE_SIZE},
    {&piece_pictures[3], u"wbishop.tga", PIECE_SIZE, PIECE_SIZE},
    {&piece_pictures[4], u"wqueen.tga", PIECE_SIZE, PIECE_SIZE},
    {&piece_pictures[5], u"wking.tga", PIECE_SIZE, PIECE_SIZE},
    {&piece_pictures[6], u"bpawn.tga", PIECE_SIZE, PIECE_SIZE},
    {&piece_pictures[7], u"brook.tga", PIECE_SIZE, PIECE_SIZE},
    {&piece_pictures[8], u"bknight.tga", PIECE_SIZE, PIECE_SIZE},
    {&piece_pictures[9], u"bbishop.tga", PIECE_SIZE, PIECE_SIZE},
    {&piece_pictures[10], u"bqueen.tga", PIECE_SIZE, PIECE_SIZE},
    {&piece_pictures[11], u"bking.tga", PIECE_SIZE, PIECE_SIZE},
};

// A zeroed picture buffer, so a picture whose file is missing or short shows black, not leftovers.
uint16_t *allocate_picture(int width, int height) {
    return static_cast<uint16_t *>(std::calloc((size_t)width * (size_t)height, sizeof(uint16_t)));
}

// Frees one buffer and forgets it.
void release_picture(uint16_t **buffer) {
    std::free(*buffer);
    *buffer = nullptr;
}

}  // namespace

// Reads every picture once, so nothing is read from files during play.
void load_assets() {
    srand(get_ticks());
    frame = get_frame();
    background_copy = allocate_picture(FRAME_WIDTH, FRAME_HEIGHT);
    for (const PictureFile &file : PICTURE_FILES) *file.buffer = allocate_picture(file.width, file.height);
    for (const PictureFile &file : PICTURE_FILES) {
        std::u16string path = pictures_folder + file.name;
        load_tga(path.c_str(), file.width, file.height, *file.buffer, 1);
    }
    clear_frame(0);
    screen_state = SCREEN_TITLE;
    time_control = 1;
    increment_option = 0;
    level = 1;
    players = PLAYERS_PERSON_WHITE;
    side_to_move = NO_GAME;
    sound_enabled = 1;
}

// Gives back every buffer taken by load_assets.
void release_assets() {
    release_picture(&about_picture);
    release_picture(&board_picture);
    release_picture(&front_picture);
    release_picture(&background_copy);
    release_picture(&panel1_picture);
    release_picture(&panel2_picture);
    release_picture(&panel3_picture);
    release_picture(&panel4_picture);
    release_picture(&greenwin_picture);
    release_picture(&bluewin_picture);
    for (uint16_t *&picture : piece_pictures) release_picture(&picture);
}
