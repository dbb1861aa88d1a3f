// Presentation: the whole BackBuffer converted into the display's layout on every call, for
// 16-bit colour (packed, row-padded or rotated), 4-bit grey and 2-bit grey displays.
#include <cstring>

#include "graphics/draw.h"
#include "shell/present.h"
#include "shell/shell.h"

namespace {

const int32_t PACKED_PITCH = FRAME_WIDTH * 2;   // bytes of one packed 16-bit row
const size_t FRAME_BYTES = size_t(FRAME_WIDTH) * FRAME_HEIGHT * 2;
// The handheld with a bottom-up display hands out a pointer 640 bytes before pixel (0, 0).
const int32_t BOTTOM_UP_OFFSET = 640;
const int32_t GREY4_LINE_BYTES = FRAME_HEIGHT / 2;  // one 4-bit line: a column, two pixels a byte
const int32_t GREY2_ROW_BYTES = FRAME_WIDTH / 4;    // one 2-bit row: four pixels a byte
const int GREY2_WORDS = GREY2_ROW_BYTES / 4;        // 32-bit stores per 2-bit row

// The 4-bit grey level of a pixel: the plain sum of its three fields, scaled to 0..15.
inline uint8_t grey4(uint16_t v) { return uint8_t(((v & 0x1F) + ((v >> 5) & 0x3F) + (v >> 11)) >> 3); }

// Stores one 16-bit pixel at any byte address.
inline void store16(uint8_t *at, uint16_t v) { std::memcpy(at, &v, sizeof v); }

// Row by row for 16-bit displays with packed pixels and rows at least a packed row apart;
// the step is the display's own pitch, so nothing lands outside its rows.
void present_rows(uint8_t *dest, int32_t y_step) {
    const uint16_t *src = BackBuffer;
    for (int y = 0; y < FRAME_HEIGHT; ++y) {
        std::memcpy(dest, src, size_t(PACKED_PITCH));
        src += FRAME_WIDTH;
        dest += y_step;
    }
}

// Pixel by pixel for rotated or otherwise spaced 16-bit displays; pitches lose their lowest bit.
void present_pixels(uint8_t *dest) {
    int32_t sx = cbxPitch & ~1;
    int32_t sy = cbyPitch & ~1;
    if (cbyPitch < 0) dest += BOTTOM_UP_OFFSET;
    const uint16_t *src = BackBuffer;
    for (int y = 0; y < FRAME_HEIGHT; ++y) {
        uint8_t *cursor = dest;
        for (int x = 0; x < FRAME_WIDTH; ++x) {
            store16(cursor, *src++);
            cursor += sx;
        }
        dest += sy;
    }
}

// The 16-bit colour path: the RGB565 values go to the display unchanged.
void present_16(uint8_t *dest) {
    int32_t y_step = cbyPitch & ~1;
    if (cbxPitch == 2 && cbyPitch == PACKED_PITCH)
        std::memcpy(dest, BackBuffer, FRAME_BYTES);
    else if (cbxPitch == 2 && y_step >= PACKED_PITCH)
        present_rows(dest, y_step);
    else
        present_pixels(dest);
}

// The 4-bit grey path: a rotated layout of 240 lines, line x holding column x from the bottom
// row upwards, two pixels a byte with the lower pixel on the screen in the high nibble.
void present_4(uint8_t *dest) {
    for (int x = 0; x < FRAME_WIDTH; ++x) {
        const uint16_t *column = BackBuffer + x;
        for (int k = 0; k < GREY4_LINE_BYTES; ++k) {
            uint16_t lower = column[(FRAME_HEIGHT - 1 - 2 * k) * FRAME_WIDTH];
            uint16_t upper = column[(FRAME_HEIGHT - 2 - 2 * k) * FRAME_WIDTH];
            *dest++ = uint8_t(grey4(lower) << 4 | grey4(upper));
        }
    }
}

// The bytes from one 2-bit row to the next: the pitch rounded down to whole 32-bit words.
int32_t grey2_step() { return GREY2_ROW_BYTES + 4 * ((cbyPitch - GREY2_ROW_BYTES) >> 2); }

// The 2-bit grey path: the top two bits of red as the level, four pixels a byte with the
// leftmost in the high bits, sixteen pixels to each 32-bit store.
void present_2(uint8_t *dest) {
    int32_t step = grey2_step();
    const uint16_t *src = BackBuffer;
    for (int y = 0; y < FRAME_HEIGHT; ++y) {
        for (int w = 0; w < GREY2_WORDS; ++w) {
            uint8_t word[4];
            for (uint8_t &byte : word) {
                byte = uint8_t((src[0] >> 14) << 6 | (src[1] >> 14) << 4 | (src[2] >> 14) << 2 | (src[3] >> 14));
                src += 4;
            }
            std::memcpy(dest + 4 * w, word, sizeof word);
        }
        dest += step;
    }
}

// Whether a display can be served: one of the three depths, and for 2-bit grey rows that do
// not overlap (a pitch under 60 bytes would write rows over each other).
bool served() {
    if (cBPP == 16 || cBPP == 4) return true;
    if (cBPP != 2) return false;
    int32_t step = grey2_step();
    return step >= GREY2_ROW_BYTES || step <= -GREY2_ROW_BYTES;
}

}  // namespace

uint16_t *BackBuffer = nullptr;
int32_t cBPP = 0, cbxPitch = 0, cbyPitch = 0;

// Puts the whole frame on the display in the layout its properties name; other depths are left
// untouched.
void present_frame() {
    if (!served()) return;
    uint8_t *dest = static_cast<uint8_t *>(GXBeginDraw());
    // A display that cannot be opened for drawing this frame is skipped, not written through null.
    if (dest && BackBuffer) {
        if (cBPP == 2)
            present_2(dest);
        else if (cBPP == 16)
            present_16(dest);
        else
            present_4(dest);
    }
    GXEndDraw();
}
