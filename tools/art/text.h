// Text in the game's own 7 x 7 font, drawn into pictures at whole-number scales.
#ifndef VORLEN_TOOLS_ART_TEXT_H
#define VORLEN_TOOLS_ART_TEXT_H

#include "tools/art/layer.h"

#define GLYPH_SIDE 7
#define GLYPH_ADVANCE 8  // pixels from one character to the next at scale 1
#define LINE_ADVANCE 11  // pixels from one line of a paragraph to the next

int text_width(const char *text, int scale);
void draw_text(Layer &layer, const char *text, int x, int y, int scale, Rgb colour);
void draw_text_painted(Layer &layer, const char *text, int x, int y, int scale, const Paint &paint);
void draw_joined_digits(Layer &layer, const char *digits, int centre_x, int y, int scale, Rgb colour, Rgb shadow);
void draw_shadowed(Layer &layer, const char *text, int x, int y, int scale, Rgb colour, Rgb shadow);
void draw_centred(Layer &layer, const char *text, int centre_x, int y, int scale, Rgb colour, Rgb shadow);
int draw_paragraph(Layer &layer, const char *text, int x, int y, int max_chars, Rgb colour, Rgb shadow);

#endif
