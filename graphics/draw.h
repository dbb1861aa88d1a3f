// The frame pointer and the drawing primitives: pixels, spans, boxes, bars and lines into a
// 240 x 320 RGB565 frame, with the additive and the 2-bit XOR families.
#ifndef VORLEN_GRAPHICS_DRAW_H
#define VORLEN_GRAPHICS_DRAW_H

#include <cstdint>

#define FRAME_WIDTH 240
#define FRAME_HEIGHT 320
#define KEY_COLOUR 0xF800

// The current drawing target; the shell points it at the BackBuffer at start-up.
extern uint16_t *draw_target;

void put_pixel(int x, int y, int colour);
void draw_hline(int x, int y, int length, int colour);
void draw_vline(int x, int y, int length, int colour);
void draw_box(int x0, int y0, int x1, int y1, int colour);
void draw_line(float x0, float y0, float x1, float y1, int colour);
void clear_frame(int value);
uint16_t *get_frame();

void fill_bar(int x0, int y0, int x1, int y1, int colour);
void fill_bar_into(int x0, int y0, int x1, int y1, int colour, uint16_t *target);

int add_colours(int a, int b);
void add_pixel(int x, int y, int colour);
void add_hline(int x, int y, int length, int colour);
void add_vline(int x, int y, int length, int colour);
void add_box(int x0, int y0, int x1, int y1, int colour);
void add_bar(int x0, int y0, int x1, int y1, int colour);
void add_line(float x0, float y0, float x1, float y1, int colour);

void xor_pixel2(int x, int y, int value);
void xor_hline2(int x, int y, int length, int value);
void xor_vline2(int x, int y, int length, int value);
void xor_box2(int x0, int y0, int x1, int y1, int value);
void xor_bar2(int x0, int y0, int x1, int y1, int value);
void xor_line2(float x0, float y0, float x1, float y1, int value);
int get_pixel2(int x, int y);

#endif
