// The files of the pictures folder, in the order the game loads them.
#include "tools/art/pictures.h"

namespace {

Layer green_banner() { return paint_banner(ART_WHITE); }
Layer blue_banner() { return paint_banner(ART_BLACK); }
template <int KIND, int SIDE> Layer piece() { return paint_piece(KIND, SIDE); }

}  // namespace

const PictureFile PICTURE_FILES[PICTURE_COUNT] = {
    {"about.tga", 240, 320, paint_about},
    {"greenwin.tga", 224, 100, green_banner},
    {"bluewin.tga", 224, 100, blue_banner},
    {"panel1.tga", 240, 60, paint_promotion_panel},
    {"panel2.tga", 240, 60, paint_lower_panel},
    {"panel3.tga", 240, 320, paint_menu},
    {"panel4.tga", 240, 80, paint_title_panel},
    {"board.tga", 240, 240, paint_board},
    {"front.tga", 240, 240, paint_front},
    {"wpawn.tga", 30, 30, piece<ART_PAWN, ART_WHITE>},
    {"wrook.tga", 30, 30, piece<ART_ROOK, ART_WHITE>},
    {"wknight.tga", 30, 30, piece<ART_KNIGHT, ART_WHITE>},
    {"wbishop.tga", 30, 30, piece<ART_BISHOP, ART_WHITE>},
    {"wqueen.tga", 30, 30, piece<ART_QUEEN, ART_WHITE>},
    {"wking.tga", 30, 30, piece<ART_KING, ART_WHITE>},
    {"bpawn.tga", 30, 30, piece<ART_PAWN, ART_BLACK>},
    {"brook.tga", 30, 30, piece<ART_ROOK, ART_BLACK>},
    {"bknight.tga", 30, 30, piece<ART_KNIGHT, ART_BLACK>},
    {"bbishop.tga", 30, 30, piece<ART_BISHOP, ART_BLACK>},
    {"bqueen.tga", 30, 30, piece<ART_QUEEN, ART_BLACK>},
    {"bking.tga", 30, 30, piece<ART_KING, ART_BLACK>},
};
