// The files of the pictures folder, as the game's list names, sizes and orders them, each with
// its painter.
#include "tools/art/pictures.h"

#include "sound/game_files.h"

namespace {

// The screens' painters, by the name of their file.
Layer paint_greenwin() { return paint_banner(ART_WHITE); }
Layer paint_bluewin() { return paint_banner(ART_BLACK); }
Layer paint_panel1() { return paint_promotion_panel(); }
Layer paint_panel2() { return paint_lower_panel(); }
Layer paint_panel3() { return paint_menu(); }
Layer paint_panel4() { return paint_title_panel(); }

// The pieces' names in the list's order, which is their picture index kind + 6 x colour.
#define PIECE_NAME(name, use) #name,
constexpr const char *PIECE_NAMES[] = {GAME_PIECE_PICTURES(PIECE_NAME)};
#undef PIECE_NAME

// 1 when two texts are the same.
constexpr bool same_text(const char *a, const char *b) {
    while (*a != 0 && *a == *b) a++, b++;
    return *a == *b;
}

// The picture index of a piece's name.
constexpr int piece_index(const char *name) {
    int index = 0;
    while (!same_text(PIECE_NAMES[index], name)) index++;
    return index;
}

// The piece of picture index kind + 6 x colour.
template <int INDEX> Layer piece() { return paint_piece(INDEX % ART_KINDS, INDEX / ART_KINDS); }

}  // namespace

#define SCREEN_FILE(name, width, height, use) {#name ".tga", width, height, paint_##name},
#define PIECE_FILE(name, use) {#name ".tga", PIECE_SIZE, PIECE_SIZE, piece<piece_index(#name)>},
const PictureFile PICTURE_FILES[PICTURE_COUNT] = {GAME_SCREEN_PICTURES(SCREEN_FILE)
                                                      GAME_PIECE_PICTURES(PIECE_FILE)};
#undef SCREEN_FILE
#undef PIECE_FILE
