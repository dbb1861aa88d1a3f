// The game's pictures, each painted from shapes, and the list of files they are written to.
#ifndef VORLEN_TOOLS_ART_PICTURES_H
#define VORLEN_TOOLS_ART_PICTURES_H

#include "sound/game_files.h"
#include "tools/art/layer.h"

#define PIECE_SIZE GAME_PIECE_SIZE
#define PICTURE_COUNT GAME_PICTURE_COUNT
#define SQUARE_SIZE 30

// Piece kinds and colours in the order of the game's piece pictures.
enum ArtPiece { ART_PAWN, ART_ROOK, ART_KNIGHT, ART_BISHOP, ART_QUEEN, ART_KING, ART_KINDS };
enum ArtSide { ART_WHITE, ART_BLACK };

// The square colours, shared by the board, the promotion cells and the title.
extern const Rgb LIGHT_SQUARE;
extern const Rgb DARK_SQUARE;

Layer paint_piece(int kind, int side);
void paint_piece_at(Layer &layer, int kind, int side, double x, double y, double scale);
// The same piece without its inner strokes, outlined `outline` pixels wide, for tiny sizes.
void paint_piece_plain(Layer &layer, int kind, int side, double x, double y, double scale, double outline);
Layer paint_board();
Layer paint_front();
Layer paint_lower_panel();
Layer paint_promotion_panel();
Layer paint_menu();
Layer paint_title_panel();
Layer paint_banner(int side);
Layer paint_about();

// One picture file: its name in the pictures folder, its size and how it is painted.
struct PictureFile {
    const char *name;
    int width, height;
    Layer (*paint)();
};

extern const PictureFile PICTURE_FILES[PICTURE_COUNT];

#endif
