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
#include "sound/game_files.h"
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

// One screen's picture: where its buffer lives, its file in the pictures folder and its size.
struct ScreenPicture {
    uint16_t **buffer;
    const char16_t *name;
    int width, height;
};

// The screens' pictures in loading order, each in its buffer name_picture.
#define SCREEN_PICTURE(name, width, height, use) {&name##_picture, u"" #name ".tga", width, height},
const ScreenPicture SCREEN_PICTURES[GAME_SCREEN_PICTURE_COUNT] = {GAME_SCREEN_PICTURES(SCREEN_PICTURE)};
#undef SCREEN_PICTURE

// The pieces' files in the order of piece_pictures.
#define PIECE_PICTURE(name, use) u"" #name ".tga",
const char16_t *const PIECE_FILES[PIECE_PICTURE_COUNT] = {GAME_PIECE_PICTURES(PIECE_PICTURE)};
#undef PIECE_PICTURE

static_assert(GAME_PIECE_PICTURE_COUNT == PIECE_PICTURE_COUNT && GAME_PIECE_SIZE == PIECE_SIZE,
              "a piece picture for each kind and colour, one square in size");

// A zeroed picture buffer, so a picture whose file is missing or short shows black, not leftovers.
uint16_t *allocate_picture(int width, int height) {
    return static_cast<uint16_t *>(std::calloc((size_t)width * (size_t)height, sizeof(uint16_t)));
}

// Reads one picture of the pictures folder into its buffer.
void load_picture(const char16_t *name, int width, int height, uint16_t *buffer) {
    std::u16string path = pictures_folder + name;
    load_tga(path.c_str(), width, height, buffer, 1);
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
    for (const ScreenPicture &file : SCREEN_PICTURES) *file.buffer = allocate_picture(file.width, file.height);
    for (uint16_t *&picture : piece_pictures) picture = allocate_picture(PIECE_SIZE, PIECE_SIZE);
    for (const ScreenPicture &file : SCREEN_PICTURES) load_picture(file.name, file.width, file.height, *file.buffer);
    for (int index = 0; index < PIECE_PICTURE_COUNT; index++)
        load_picture(PIECE_FILES[index], PIECE_SIZE, PIECE_SIZE, piece_pictures[index]);
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
