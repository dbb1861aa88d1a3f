// The built-in font: 54 glyphs of 7 x 7 pixels written as text patterns, turned into the glyph
// table once at start-up, and the print operations that draw text pixel by pixel in one colour
// into the current drawing target while moving the text cursor.
#include "graphics/font.h"

#include <cstdlib>
#include <cstring>

#include "graphics/draw.h"

char *glyph_rows[GLYPH_COUNT][GLYPH_ROWS] = {};  // row blocks of build_font; null until built
int char_to_glyph[256] = {};  // glyph index 0..53 of each byte value; BLANK_GLYPH when it has none
int text_x = 2, text_y = 2;   // cursor: frame pixels of the next glyph's top-left corner

namespace {

const int ROW_BLOCK_BYTES = 10;  // a 7-character row, its terminator and two spare bytes
const int GLYPH_SIZE = 7;        // glyph cell width and height in pixels
const int ADVANCE = 8;           // cursor step per character: the cell and one pixel of spacing
const int LINE_FEED = 9;         // cursor step per line: the cell and two pixels of spacing
const int LEFT_MARGIN = 2;       // x of the first glyph of a new line
const int BREAK_X = 230;         // a line breaks when the cursor's x passes this after a character
const int LAST_LINE_Y = 300;     // the line feed moves down only while y is below this
const int FORCE_BREAK_X = 400;   // where a line feed or carriage return puts x to force the break
const int BLANK_GLYPH = 44;
const char INK = 'o';

// The character that each glyph stands for, glyph i for character i (the backslash is last).
const char GLYPH_CHARACTERS[] = "abcdefghijklmnopqrstuvwxyz0123456789:!?-=+[] .,><#'@/\\";

}  // namespace

// The glyph patterns, row 0 at the top; 'o' ink, ':' background.
const char *const glyph_patterns[GLYPH_COUNT][GLYPH_ROWS] = {
    {"oooo:::", "oo:oo::", "oo::oo:", "oo:::oo", "ooooooo", "oo:::oo", "oo:::oo"},  // 0 a
    {"oooo:::", "oo:oo::", ":oo::::", "ooooo::", "oo::oo:", "oo:::oo", "oooooo:"},  // 1 b
    {"::ooooo", ":oo::::", "oo:::::", "oo:::::", "oo:::::", "oo:::::", ":oooooo"},  // 2 c
    {"oooo:::", "oo:oo::", "oo::oo:", "oo:::oo", "oo:::oo", "oo:::oo", "oooooo:"},  // 3 d
    {"ooooooo", "oo:::::", "oo:::::", "ooooooo", "oo:::::", "oo:::::", "ooooooo"},  // 4 e
    {"ooooooo", "oo:::::", "oo:::::", "ooooo::", "oo:::::", "oo:::::", "oo:::::"},  // 5 f
    {"::oooo:", ":oo::::", "oo:::::", "oo:oooo", "oo:::oo", "oo:::oo", ":oooooo"},  // 6 g
    {"oo::::o", "oo::::o", "oo::::o", "ooooooo", "oo::::o", "oo::::o", "oo::::o"},  // 7 h
    {"::oooo:", ":::oo::", ":::oo::", ":::oo::", ":::oo::", ":::oo::", "::oooo:"},  // 8 i
    {"::ooooo", ":::::oo", ":::::oo", ":::::oo", "oo:::oo", ":oo:oo:", "::ooo::"},  // 9 j
    {"oo::oo:", "oo:oo::", "oooo:::", "ooo::::", "ooooo::", "oo::oo:", "oo:::oo"},  // 10 k
    {"oo:::::", "oo:::::", "oo:::::", "oo:::::", "oo:::::", "oo:::::", "ooooooo"},  // 11 l
    {"o:::::o", "oo:::oo", "ooo:ooo", "ooooooo", "oo:o:oo", "oo:::oo", "oo:::oo"},  // 12 m
    {"oo:::oo", "ooo::oo", "oooo:oo", "oo:oooo", "oo::ooo", "oo:::oo", "oo:::oo"},  // 13 n
    {"::ooo::", ":oo:oo:", "oo:::oo", "oo:::oo", "oo:::oo", "oo:::oo", ":ooooo:"},  // 14 o
    {"ooooo::", "oo::oo:", "oo:::oo", "oo:::oo", "oooooo:", "oo:::::", "oo:::::"},  // 15 p
    {"::ooo::", ":oo:oo:", "oo:::oo", "oo:o:oo", "oo:oooo", "oo::oo:", ":ooo:oo"},  // 16 q
    {"ooooo::", "oo::oo:", "oo:::oo", "oooooo:", "oo:oo::", "oo::oo:", "oo:::oo"},  // 17 r
    {"::ooooo", ":oo::::", "oo:::::", "ooooooo", ":::::oo", "::::oo:", "ooooo::"},  // 18 s
    {"ooooooo", ":::oo::", ":::oo::", ":::oo::", ":::oo::", ":::oo::", ":::oo::"},  // 19 t
    {"oo:::oo", "oo:::oo", "oo:::oo", "oo:::oo", "oo:::oo", "oo::oo:", ":oooo::"},  // 20 u
    {"oo:::oo", "oo:::oo", ":oo:oo:", ":oo:oo:", "::ooo::", "::ooo::", ":::o:::"},  // 21 v
    {"oo:::oo", "oo:::oo", "oo:::oo", "oo:::oo", "oo:o:oo", ":ooooo:", "::o:o::"},  // 22 w
    {"oo::::o", ":oo::oo", "::oooo:", ":::oo::", "::oooo:", ":oo::oo", "oo::::o"},  // 23 x
    {"oo::::o", ":oo::oo", "::oooo:", ":::oo::", ":::oo::", ":::oo::", ":::oo::"},  // 24 y
    {"ooooooo", "::::oo:", ":::oo::", "::oo:::", ":oo::::", "oo:::::", "ooooooo"},  // 25 z
    {":ooooo:", "oo:::oo", "oo:::oo", ":::::::", "oo:::oo", "oo:::oo", ":ooooo:"},  // 26 0
    {":::::::", ":::::oo", ":::::oo", ":::::::", ":::::oo", ":::::oo", ":::::::"},  // 27 1
    {":ooooo:", ":::::oo", ":::::oo", ":ooooo:", "oo:::::", "oo:::::", ":ooooo:"},  // 28 2
    {":ooooo:", ":::::oo", ":::::oo", ":ooooo:", ":::::oo", ":::::oo", ":ooooo:"},  // 29 3
    {":::::::", "oo:::oo", "oo:::oo", ":ooooo:", ":::::oo", ":::::oo", ":::::::"},  // 30 4
    {":ooooo:", "oo:::::", "oo:::::", ":ooooo:", ":::::oo", ":::::oo", ":ooooo:"},  // 31 5
    {":ooooo:", "oo:::::", "oo:::::", ":ooooo:", "oo:::oo", "oo:::oo", ":ooooo:"},  // 32 6
    {":ooooo:", ":::::oo", ":::::oo", ":::::::", ":::::oo", ":::::oo", ":::::::"},  // 33 7
    {":ooooo:", "oo:::oo", "oo:::oo", ":ooooo:", "oo:::oo", "oo:::oo", ":ooooo:"},  // 34 8
    {":ooooo:", "oo:::oo", "oo:::oo", ":ooooo:", ":::::oo", ":::::oo", ":ooooo:"},  // 35 9
    {":::::::", ":::::::", ":::o:::", ":::::::", ":::::::", ":::o:::", ":::::::"},  // 36 :
    {":::oo::", ":::oo::", ":::oo::", ":::oo::", ":::::::", ":::oo::", ":::oo::"},  // 37 !
    {":oooo::", "::::oo:", "::::oo:", ":::oo::", ":::::::", "::oo:::", "::oo:::"},  // 38 ?
    {":::::::", ":::::::", ":::::::", "::oooo:", ":::::::", ":::::::", ":::::::"},  // 39 -
    {":::::::", ":::::::", ":::::::", ":ooooo:", ":::::::", ":ooooo:", ":::::::"},  // 40 =
    {":::::::", ":::o:::", ":::o:::", ":::o:::", ":::o:::", ":::o:::", ":::::::"},  // 41 +
    {"::ooo::", "::o::::", "::o::::", "::o::::", "::o::::", "::o::::", "::ooo::"},  // 42 [
    {"::ooo::", "::::o::", "::::o::", "::::o::", "::::o::", "::::o::", "::ooo::"},  // 43 ]
    {":::::::", ":::::::", ":::::::", ":::::::", ":::::::", ":::::::", ":::::::"},  // 44 blank (space)
    {":::::::", ":::::::", ":::::::", ":::::::", ":::::::", ":::oo::", ":::oo::"},  // 45 .
    {":::::::", ":::::::", ":::::::", ":::::::", "::::o::", "::::o::", ":::o:::"},  // 46 ,
    {":o:::::", "::o::::", ":::o:::", "::::o::", ":::o:::", "::o::::", ":o:::::"},  // 47 >
    {"::::o::", ":::o:::", "::o::::", ":o:::::", "::o::::", ":::o:::", "::::o::"},  // 48 <
    {"ooooooo", "ooooooo", "ooooooo", "ooooooo", "ooooooo", "ooooooo", "ooooooo"},  // 49 #
    {":::o:::", ":::o:::", "::o::::", ":::::::", ":::::::", ":::::::", ":::::::"},  // 50 apostrophe
    {"::ooo::", ":o:::o:", "o::oo:o", "o:o:::o", "o::oooo", ":o:::::", "::oooo:"},  // 51 @
    {"::::::o", ":::::o:", "::::o::", ":::o:::", "::o::::", ":o:::::", "o::::::"},  // 52 /
    {"o::::::", ":o:::::", "::o::::", ":::o:::", "::::o::", ":::::o:", "::::::o"},  // 53 backslash
};

// Copies the seven row strings of one glyph, terminators included, into its row blocks.
void set_glyph(int glyph, const char *const rows[GLYPH_ROWS]) {
    for (int k = 0; k < GLYPH_ROWS; k++) std::strcpy(glyph_rows[glyph][k], rows[k]);
}

// Builds the glyph table from the patterns and the map from byte values to glyphs. The row
// blocks come from malloc, glyph by glyph and row by row; release_font frees them.
void build_font() {
    for (int g = 0; g < GLYPH_COUNT; g++) {
        for (int k = 0; k < GLYPH_ROWS; k++) glyph_rows[g][k] = (char *)std::malloc(ROW_BLOCK_BYTES);
    }
    for (int g = 0; g < GLYPH_COUNT; g++) set_glyph(g, glyph_patterns[g]);
    for (int c = 0; c < 256; c++) char_to_glyph[c] = BLANK_GLYPH;
    for (int g = 0; g < GLYPH_COUNT; g++) char_to_glyph[(unsigned char)GLYPH_CHARACTERS[g]] = g;
}

// Frees the row blocks in the order build_font took them and forgets them.
void release_font() {
    for (int g = 0; g < GLYPH_COUNT; g++) {
        for (int k = 0; k < GLYPH_ROWS; k++) {
            std::free(glyph_rows[g][k]);
            glyph_rows[g][k] = nullptr;
        }
    }
}

namespace {

// Plots the ink pixels of one glyph with its top-left corner at (x, y); the background is left
// as it is. Pixels outside the frame are clipped by the pixel operation.
void draw_glyph(int glyph, int x, int y, int colour) {
    for (int k = 0; k < GLYPH_SIZE; k++) {
        const char *row = glyph_rows[glyph][k];
        if (row == nullptr) return;  // the font is not built: nothing to draw
        for (int j = 0; j < GLYPH_SIZE; j++) {
            if (row[j] == INK) put_pixel(x + j, y + k, colour);
        }
    }
}

// The glyph of a byte: capitals print as their lower-case letter.
int glyph_of(unsigned char c) {
    if (c >= 'A' && c <= 'Z') c = (unsigned char)(c + ('a' - 'A'));
    return char_to_glyph[c];
}

}  // namespace

// Prints text with its first glyph at (x, y): line feed and carriage return break the line,
// backspace steps back one cell, every other byte draws its glyph (a blank if it has none).
// The cursor is left after the last character.
void print_text(const char *text, int x, int y, int colour) {
    for (const unsigned char *p = (const unsigned char *)text; *p != 0; p++) {
        unsigned char c = *p;
        if (c == '\n' || c == '\r') {
            x = FORCE_BREAK_X;
        } else if (c == '\b') {
            if (x > LEFT_MARGIN) x -= ADVANCE;
        } else {
            draw_glyph(glyph_of(c), x, y, colour);
            x += ADVANCE;
        }
        if (x > BREAK_X) {
            x = LEFT_MARGIN;
            if (y < LAST_LINE_Y) y += LINE_FEED;
        }
    }
    text_x = x;
    text_y = y;
}

// Prints text at the cursor.
void print_more(const char *text, int colour) { print_text(text, text_x, text_y, colour); }

// print_text into another 240 x 320 buffer; the drawing target is restored afterwards.
void print_text_into(const char *text, int x, int y, int colour, uint16_t *target) {
    uint16_t *saved = draw_target;
    draw_target = target;
    print_text(text, x, y, colour);
    draw_target = saved;
}

// print_more into another 240 x 320 buffer; the drawing target is restored afterwards.
void print_more_into(const char *text, int colour, uint16_t *target) {
    print_text_into(text, text_x, text_y, colour, target);
}

// Prints text centred on the frame's width at row y (texts of up to 30 characters fit).
void print_centred(const char *text, int y, int colour) {
    int length = (int)std::strlen(text);
    print_text(text, (FRAME_WIDTH - ADVANCE * length) / 2, y, colour);
}

// The cursor's setters and getters.
void set_text_x(int value) { text_x = value; }
void set_text_y(int value) { text_y = value; }
int get_text_x() { return text_x; }
int get_text_y() { return text_y; }
