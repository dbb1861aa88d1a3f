// The built-in 54-glyph 7x7 font and the text operations with their cursor.
#ifndef VORLEN_GRAPHICS_FONT_H
#define VORLEN_GRAPHICS_FONT_H

#include <cstdint>

#define GLYPH_COUNT 54
#define GLYPH_ROWS 7

// Row blocks of 10 bytes, each a 7-character pattern ('o' ink, ':' background); built by
// build_font, freed by the shell at exit.
extern char *glyph_rows[GLYPH_COUNT][GLYPH_ROWS];
extern int char_to_glyph[256];
extern int text_x, text_y;  // the text cursor: top-left of the next glyph

// The glyph patterns build_font copies, row 0 at the top ('o' ink, ':' background); also read
// by the art generator, so pictures and text share one lettering.
extern const char *const glyph_patterns[GLYPH_COUNT][GLYPH_ROWS];

void build_font();
// Frees the row blocks that build_font took (malloc), in the same order; the shell calls it at exit.
void release_font();
void set_glyph(int glyph, const char *const rows[GLYPH_ROWS]);
void print_text(const char *text, int x, int y, int colour);
void print_more(const char *text, int colour);
void print_text_into(const char *text, int x, int y, int colour, uint16_t *target);
void print_more_into(const char *text, int colour, uint16_t *target);
void print_centred(const char *text, int y, int colour);
void set_text_x(int value);
void set_text_y(int value);
int get_text_x();
int get_text_y();

#endif
