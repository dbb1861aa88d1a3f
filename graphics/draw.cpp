// The frame pointer and the drawing primitives. Every shape is a walk over single pixels, and
// every pixel operation clips against the 240 x 320 frame, so a shape that strays outside the
// frame draws exactly its inside part and never writes beyond the frame's memory.
#include "graphics/draw.h"

#include <cmath>
#include <cstring>

uint16_t *draw_target = nullptr;  // the frame every primitive writes; null draws nothing

namespace {

const int FRAME_PIXELS = FRAME_WIDTH * FRAME_HEIGHT;
const size_t FRAME_BYTES = sizeof(uint16_t) * FRAME_PIXELS;
const int RED_FIELD = 0xF800;
const int GREEN_FIELD = 0x07E0;
const int BLUE_FIELD = 0x001F;

// One pixel operation: plain write, additive blend or 2-bit XOR.
typedef void (*PixelOp)(int x, int y, int colour);

// Whether (x, y) is a pixel of the frame and there is a frame to draw into.
bool inside_frame(int x, int y) {
    return draw_target != nullptr && x >= 0 && x < FRAME_WIDTH && y >= 0 && y < FRAME_HEIGHT;
}

// Pixels (x + i, y) for i = 0..length; only the part inside the frame is visited, so a long
// span costs no more than a frame row.
void walk_hline(int x, int y, int length, int colour, PixelOp op) {
    if (length < 0 || y < 0 || y >= FRAME_HEIGHT) return;
    long long first = x < 0 ? 0 : x;
    long long last = (long long)x + length;
    if (last > FRAME_WIDTH - 1) last = FRAME_WIDTH - 1;
    for (long long px = first; px <= last; px++) op((int)px, y, colour);
}

// Pixels (x, y + i) for i = 0..length, visited only inside the frame.
void walk_vline(int x, int y, int length, int colour, PixelOp op) {
    if (length < 0 || x < 0 || x >= FRAME_WIDTH) return;
    long long first = y < 0 ? 0 : y;
    long long last = (long long)y + length;
    if (last > FRAME_HEIGHT - 1) last = FRAME_HEIGHT - 1;
    for (long long py = first; py <= last; py++) op(x, (int)py, colour);
}

// The span length from one coordinate to another (to - from), held in an int: a difference
// beyond the int range becomes the nearest length that draws the same (none, or the most).
int span_length(int from, int to) {
    long long length = (long long)to - from;
    if (length < -1) return -1;
    if (length > 0x7FFFFFFF) return 0x7FFFFFFF;
    return (int)length;
}

// The outline with both corners included, edges in the order top, left, bottom, right.
void walk_box(int x0, int y0, int x1, int y1, int colour, PixelOp op) {
    int width = span_length(x0, x1);
    int height = span_length(y0, y1);
    walk_hline(x0, y0, width, colour, op);
    walk_vline(x0, y0, height, colour, op);
    walk_hline(x0, y1, width, colour, op);
    walk_vline(x1, y0, height, colour, op);
}

// Columns x0..x1, rows y0..y1 - 1 (the bottom row is not filled); rows outside are skipped.
void walk_bar(int x0, int y0, int x1, int y1, int colour, PixelOp op) {
    int width = span_length(x0, x1);
    int first = y0 < 0 ? 0 : y0;
    int end = y1 > FRAME_HEIGHT ? FRAME_HEIGHT : y1;
    for (int y = first; y < end; y++) walk_hline(x0, y, width, colour, op);
}

// A line coordinate truncated toward zero, or -1 when it lies so far outside the frame that
// the conversion to int could not hold it (the pixel would be clipped anyway).
int truncate_coordinate(float value) {
    if (!(value > -1.0f && value < 65536.0f)) return -1;
    return (int)value;
}

// The line walk shared by the three line functions: a digital differential analyser in single
// precision from the end point with the smaller y, plotting the start and not the end.
void walk_line(float x0, float y0, float x1, float y1, int colour, PixelOp op) {
    if (y0 > y1) {
        float swap_x = x0, swap_y = y0;
        x0 = x1, y0 = y1;
        x1 = swap_x, y1 = swap_y;
    }
    float dx = x1 - x0, dy = y1 - y0;
    double extent_x = std::fabs((double)dx), extent_y = std::fabs((double)dy);
    // An extent beyond an int's range (or not a number) has no step count: nothing is drawn.
    if (!(extent_x < 2147483647.0 && extent_y < 2147483647.0)) return;
    int steps = (int)extent_x;
    if ((int)extent_y > steps) steps = (int)extent_y;
    if (steps == 0) return;
    float sx = dx / (float)steps, sy = dy / (float)steps;
    float x = x0, y = y0;
    for (int i = 0; i < steps; i++) {
        op(truncate_coordinate(x), truncate_coordinate(y), colour);
        x = x + sx;
        y = y + sy;
    }
}

// The 2-bit view's byte of pixel (x, y) and the shift of the pixel's two bits within it.
uint8_t *byte2(int x, int y, int *shift) {
    int index = y * FRAME_WIDTH + x;
    *shift = 6 - 2 * (index & 3);
    return reinterpret_cast<uint8_t *>(draw_target) + (index >> 2);
}

}  // namespace

// Sets one pixel of the frame; points outside the frame are ignored.
void put_pixel(int x, int y, int colour) {
    if (!inside_frame(x, y)) return;
    draw_target[y * FRAME_WIDTH + x] = (uint16_t)colour;
}

// A horizontal span of length + 1 pixels starting at (x, y).
void draw_hline(int x, int y, int length, int colour) { walk_hline(x, y, length, colour, put_pixel); }

// A vertical span of length + 1 pixels starting at (x, y).
void draw_vline(int x, int y, int length, int colour) { walk_vline(x, y, length, colour, put_pixel); }

// The outline of the rectangle with corners (x0, y0) and (x1, y1), both included.
void draw_box(int x0, int y0, int x1, int y1, int colour) { walk_box(x0, y0, x1, y1, colour, put_pixel); }

// A straight line from (x0, y0) up to but not including (x1, y1).
void draw_line(float x0, float y0, float x1, float y1, int colour) {
    walk_line(x0, y0, x1, y1, colour, put_pixel);
}

// Fills every byte of the frame with the low 8 bits of value (0 black, 0xFF white).
void clear_frame(int value) {
    if (draw_target == nullptr) return;
    std::memset(draw_target, value & 0xFF, FRAME_BYTES);
}

// The current frame pointer, so callers can copy into the frame directly.
uint16_t *get_frame() { return draw_target; }

// Fills columns x0..x1 of rows y0..y1 - 1.
void fill_bar(int x0, int y0, int x1, int y1, int colour) { walk_bar(x0, y0, x1, y1, colour, put_pixel); }

// fill_bar into another 240 x 320 buffer; the frame pointer is restored afterwards.
void fill_bar_into(int x0, int y0, int x1, int y1, int colour, uint16_t *target) {
    uint16_t *saved = draw_target;
    draw_target = target;
    fill_bar(x0, y0, x1, y1, colour);
    draw_target = saved;
}

// The saturating per-field sum of two RGB565 colours: fields never carry into each other.
int add_colours(int a, int b) {
    int r = (a & RED_FIELD) + (b & RED_FIELD);
    if (r > RED_FIELD) r = RED_FIELD;
    int g = (a & GREEN_FIELD) + (b & GREEN_FIELD);
    if (g > GREEN_FIELD) g = GREEN_FIELD;
    int bl = (a & BLUE_FIELD) + (b & BLUE_FIELD);
    if (bl > BLUE_FIELD) bl = BLUE_FIELD;
    return r + g + bl;
}

// Adds colour onto pixel (x, y) with saturation; points outside the frame are ignored.
void add_pixel(int x, int y, int colour) {
    if (!inside_frame(x, y)) return;
    uint16_t *pixel = draw_target + y * FRAME_WIDTH + x;
    *pixel = (uint16_t)add_colours(*pixel, colour);
}

// The additive twins of the plain shapes.
void add_hline(int x, int y, int length, int colour) { walk_hline(x, y, length, colour, add_pixel); }
void add_vline(int x, int y, int length, int colour) { walk_vline(x, y, length, colour, add_pixel); }
void add_box(int x0, int y0, int x1, int y1, int colour) { walk_box(x0, y0, x1, y1, colour, add_pixel); }
void add_bar(int x0, int y0, int x1, int y1, int colour) { walk_bar(x0, y0, x1, y1, colour, add_pixel); }
void add_line(float x0, float y0, float x1, float y1, int colour) {
    walk_line(x0, y0, x1, y1, colour, add_pixel);
}

// XORs value into pixel (x, y) of the 2-bit view; a value above 3 also flips the bits of the
// pixels to its left in the same byte. Points outside the frame are ignored.
void xor_pixel2(int x, int y, int value) {
    if (!inside_frame(x, y)) return;
    int shift;
    uint8_t *byte = byte2(x, y, &shift);
    *byte = (uint8_t)((*byte ^ ((unsigned)value << shift)) & 0xFF);
}

// The 2-bit XOR twins of the plain shapes.
void xor_hline2(int x, int y, int length, int value) { walk_hline(x, y, length, value, xor_pixel2); }
void xor_vline2(int x, int y, int length, int value) { walk_vline(x, y, length, value, xor_pixel2); }
void xor_box2(int x0, int y0, int x1, int y1, int value) { walk_box(x0, y0, x1, y1, value, xor_pixel2); }
void xor_bar2(int x0, int y0, int x1, int y1, int value) { walk_bar(x0, y0, x1, y1, value, xor_pixel2); }
void xor_line2(float x0, float y0, float x1, float y1, int value) {
    walk_line(x0, y0, x1, y1, value, xor_pixel2);
}

// The 2-bit value of pixel (x, y) in the 2-bit view; 0 for points outside the frame.
int get_pixel2(int x, int y) {
    if (!inside_frame(x, y)) return 0;
    int shift;
    uint8_t *byte = byte2(x, y, &shift);
    return (*byte >> shift) & 3;
}
