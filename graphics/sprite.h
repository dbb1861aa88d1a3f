// Sprites: RGB565 pictures with colour 0 transparent, drawn clipped, mirrored, blended or as
// silhouettes into sprite_target.
#ifndef VORLEN_GRAPHICS_SPRITE_H
#define VORLEN_GRAPHICS_SPRITE_H

#include <cstdint>

#define SPRITE_BLEND 0x01
#define SPRITE_MIRROR 0x02
#define SPRITE_SILHOUETTE 0x04
#define SPRITE_HIDDEN 0x20

struct Sprite {
    int32_t width;
    int32_t height;
    int32_t stride;
    int32_t x;
    int32_t y;
    uint32_t flags;
    int32_t *row_start;
    const uint16_t *pixels;
};

extern uint16_t *sprite_target;

void sprite_init_empty(Sprite *sprite);
void sprite_init(Sprite *sprite, int width, int height, int stride, const uint16_t *pixels);
void sprite_release(Sprite *sprite);
void sprite_draw(const Sprite *sprite);

#endif
