// Glyphs come from the font tables the game itself builds, so the pictures speak with the
// same letters as the clock line.
#include "tools/art/text.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "graphics/font.h"

namespace {

const int BLANK_GLYPH = 44;  // the font's space, also what unknown characters map to

// Builds the font tables on first use; they are released when the program ends.
void need_font() {
    static bool built = false;
    if (built) return;
    build_font();
    std::atexit(release_font);
    built = true;
}

// The glyph of one character; upper-case letters share the lower-case glyphs. A character
// the font lacks is a mistake in the art's text, so it stops the generator.
int glyph_of(unsigned char c) {
    if (c >= 'A' && c <= 'Z') c = (unsigned char)(c + 32);
    int g = char_to_glyph[c];
    if (g == BLANK_GLYPH && c != ' ') {
        std::fprintf(stderr, "vorlen-art: the font has no glyph for '%c'\n", c);
        std::exit(1);
    }
    return g;
}

// Whether a glyph pixel is ink. Joined, a blank pixel between two inked ones above and below
// counts as ink too: the font's digits are segments with gaps, which read better closed when
// shown large.
bool ink(int g, int row, int col, bool joined) {
    if (glyph_rows[g][row][col] == 'o') return true;
    return joined && row > 0 && row < GLYPH_SIDE - 1 && glyph_rows[g][row - 1][col] == 'o' &&
           glyph_rows[g][row + 1][col] == 'o';
}

// Sets one opaque pixel, ignoring positions outside the layer.
void plot(Layer &layer, int x, int y, const Paint &paint) {
    if (x < 0 || y < 0 || x >= layer.width || y >= layer.height) return;
    size_t i = size_t(y) * layer.width + x;
    layer.colour[i] = paint(x + 0.5, y + 0.5);
    layer.alpha[i] = 1.0;
}

// Draws the glyphs of the text as scale x scale blocks from (x, y).
void draw_glyphs(Layer &layer, const char *text, int x, int y, int scale, const Paint &paint, bool joined) {
    need_font();
    for (const char *p = text; *p; p++, x += GLYPH_ADVANCE * scale) {
        int g = glyph_of((unsigned char)*p);
        for (int row = 0; row < GLYPH_SIDE; row++)
            for (int col = 0; col < GLYPH_SIDE; col++) {
                if (!ink(g, row, col, joined)) continue;
                for (int j = 0; j < scale; j++)
                    for (int i = 0; i < scale; i++) plot(layer, x + col * scale + i, y + row * scale + j, paint);
            }
    }
}

// How far right of the text's start the middle of its ink lies, at the given scale; the
// font's narrow glyphs (the digit one sits at the right of its cell) are centred by what
// they show, not by their cells.
int ink_middle(const char *text, int scale) {
    need_font();
    int left = GLYPH_SIDE, right = -1, n = int(std::strlen(text));
    for (int k = 0; k < n; k++) {
        int g = glyph_of((unsigned char)text[k]);
        for (int row = 0; row < GLYPH_SIDE; row++)
            for (int col = 0; col < GLYPH_SIDE; col++)
                if (glyph_rows[g][row][col] == 'o') {
                    left = std::min(left, k * GLYPH_ADVANCE + col);
                    right = std::max(right, k * GLYPH_ADVANCE + col);
                }
    }
    return right < 0 ? 0 : (left + right + 1) * scale / 2;
}

}  // namespace

// Width in pixels of the text's ink cells, without the spacing after the last character.
int text_width(const char *text, int scale) {
    int n = int(std::strlen(text));
    return n == 0 ? 0 : (n * GLYPH_ADVANCE - 1) * scale;
}

// Draws the text in one colour; see draw_text_painted.
void draw_text(Layer &layer, const char *text, int x, int y, int scale, Rgb colour) {
    draw_text_painted(layer, text, x, y, scale, solid(colour));
}

// Draws the text with its first glyph's top-left corner at (x, y), each font pixel a
// scale x scale block, so the letters stay crisp.
void draw_text_painted(Layer &layer, const char *text, int x, int y, int scale, const Paint &paint) {
    draw_glyphs(layer, text, x, y, scale, paint, false);
}

// Large digits with their segments joined, shadowed and centred on a column.
void draw_joined_digits(Layer &layer, const char *digits, int centre_x, int y, int scale, Rgb colour, Rgb shadow) {
    int x = centre_x - ink_middle(digits, scale);
    draw_glyphs(layer, digits, x + 1, y + 1, scale, solid(shadow), true);
    draw_glyphs(layer, digits, x, y, scale, solid(colour), true);
}

// The text over its own shadow one pixel down and right, so it reads on any background.
void draw_shadowed(Layer &layer, const char *text, int x, int y, int scale, Rgb colour, Rgb shadow) {
    draw_text(layer, text, x + 1, y + 1, scale, shadow);
    draw_text(layer, text, x, y, scale, colour);
}

// Shadowed text whose ink is centred on a column.
void draw_centred(Layer &layer, const char *text, int centre_x, int y, int scale, Rgb colour, Rgb shadow) {
    draw_shadowed(layer, text, centre_x - ink_middle(text, scale), y, scale, colour, shadow);
}

// Shadowed text at scale 1 broken between words into lines of at most max_chars characters;
// returns the y below the last line.
int draw_paragraph(Layer &layer, const char *text, int x, int y, int max_chars, Rgb colour, Rgb shadow) {
    std::string line, word;
    std::string rest = std::string(text) + " ";
    for (char c : rest) {
        if (c != ' ') {
            word += c;
            continue;
        }
        if (!line.empty() && int(line.size() + 1 + word.size()) > max_chars) {
            draw_shadowed(layer, line.c_str(), x, y, 1, colour, shadow);
            y += LINE_ADVANCE;
            line.clear();
        }
        if (!word.empty()) line += (line.empty() ? "" : " ") + word;
        word.clear();
    }
    if (!line.empty()) {
        draw_shadowed(layer, line.c_str(), x, y, 1, colour, shadow);
        y += LINE_ADVANCE;
    }
    return y;
}
