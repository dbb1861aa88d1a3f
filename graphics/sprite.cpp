// Sprites: RGB565 pictures with colour 0 transparent. Construction records where each row's
// first opaque pixel lies so drawing skips the leading transparent run at once; drawing clips
// to the screen and can mirror, blend additively or stamp a one-colour silhouette.
#include "graphics/sprite.h"

#include <cstdlib>

#include "graphics/draw.h"

uint16_t *sprite_target = nullptr;  // the 240 x 320 frame sprites are drawn into; null draws nothing

namespace {

const int START_POSITION = 50;      // x and y of a newly constructed sprite
const int RIGHT_LIMIT = 239;        // exclusive right edge: column 239 is never drawn by a sprite
const int BOTTOM_LIMIT = 319;       // exclusive bottom edge: row 319 is never drawn by a sprite
const uint16_t SILHOUETTE = 0xFFFF;
const uint16_t MIRRORED_SILHOUETTE = 0x00FF;

// The column of the first non-zero pixel of a row, or width when the row has none.
int32_t first_opaque(const uint16_t *row, int width) {
    for (int j = 0; j < width; j++) {
        if (row[j] != 0) return j;
    }
    return width;
}

// Writes one opaque source pixel onto its destination by the sprite's flags, first match wins.
void write_pixel(uint16_t *destination, uint16_t source, uint32_t flags) {
    if (flags & SPRITE_BLEND) {
        *destination = (uint16_t)add_colours(source, *destination);
    } else if (flags & SPRITE_SILHOUETTE) {
        *destination = (flags & SPRITE_MIRROR) ? MIRRORED_SILHOUETTE : SILHOUETTE;
    } else {
        *destination = source;
    }
}

}  // namespace

// An empty sprite: no picture, no table, at the start position.
void sprite_init_empty(Sprite *sprite) {
    sprite->width = sprite->height = sprite->stride = 0;
    sprite->x = sprite->y = START_POSITION;
    sprite->flags = 0;
    sprite->row_start = nullptr;
    sprite->pixels = nullptr;
}

// A sprite over a caller-owned picture, with its table of first opaque columns. A zero or
// negative size (or no pixels) gives no rows; such a sprite draws nothing.
void sprite_init(Sprite *sprite, int width, int height, int stride, const uint16_t *pixels) {
    sprite->width = width;
    sprite->height = height;
    sprite->stride = stride;
    sprite->pixels = pixels;
    sprite->x = sprite->y = START_POSITION;
    sprite->flags = 0;
    int rows = (height > 0 && width > 0 && pixels != nullptr) ? height : 0;
    sprite->row_start = rows > 0 ? (int32_t *)std::malloc(sizeof(int32_t) * rows) : nullptr;
    if (sprite->row_start == nullptr) {
        sprite->height = 0;  // no table, so no row may be drawn
        return;
    }
    for (int r = 0; r < rows; r++) sprite->row_start[r] = first_opaque(pixels + (long long)r * stride, width);
}

// Frees the table of first opaque columns; the picture stays the caller's.
void sprite_release(Sprite *sprite) {
    std::free(sprite->row_start);
    sprite->row_start = nullptr;
}

// Draws the sprite into sprite_target, clipped to columns 0..238 and rows 0..318.
void sprite_draw(const Sprite *sprite) {
    if ((sprite->flags & SPRITE_HIDDEN) || sprite_target == nullptr || sprite->row_start == nullptr) return;
    long long left = sprite->x < 0 ? 0 : sprite->x;
    long long right = (long long)sprite->x + sprite->width;
    if (right > RIGHT_LIMIT) right = RIGHT_LIMIT;
    long long top = sprite->y < 0 ? 0 : sprite->y;
    long long bottom = (long long)sprite->y + sprite->height;
    if (bottom > BOTTOM_LIMIT) bottom = BOTTOM_LIMIT;
    if (right <= left || bottom <= top) return;
    long long visible = right - left;
    for (long long t = top; t < bottom; t++) {
        long long r = t - sprite->y;
        const uint16_t *source = sprite->pixels + r * sprite->stride + (left - sprite->x);
        uint16_t *destination = sprite_target + t * FRAME_WIDTH;
        long long first = (long long)sprite->row_start[r] + sprite->x;
        long long k = first > left ? first - left : 0;
        for (long long m = 0; m < visible - k; m++) {
            uint16_t s = source[k + m];
            if (s == 0) continue;
            long long column = (sprite->flags & SPRITE_MIRROR) ? left + visible - 1 - k - m : left + k + m;
            write_pixel(destination + column, s, sprite->flags);
        }
    }
}
