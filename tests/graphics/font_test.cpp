// The font: the glyphs printed by their characters, the cursor's metrics, line breaks and control
// characters, the into-variants, and clipping at the frame's edges.
#include <gtest/gtest.h>

#include <string>

#include "graphics/font.h"
#include "tests/graphics/guarded_frame.h"

namespace {

class FontTest : public FrameTest {
protected:
    void SetUp() override { FrameTest::SetUp(); build_font(); }
    void TearDown() override { release_font(); FrameTest::TearDown(); }
    // Whether the 7 x 7 cell at (x, y) shows exactly the ink of glyph g, or of g and h overprinted.
    bool shows(int x, int y, int g, int h = -1) {
        for (int k = 0; k < 49; k++) {
            bool ink = glyph_rows[g][k / 7][k % 7] == 'o' || (h >= 0 && glyph_rows[h][k / 7][k % 7] == 'o');
            if ((frame.at(x + k % 7, y + k / 7) != 0) != ink) return false;
        }
        return true;
    }
};

const struct {
    const char *text;
    int x, y, cursor_x, cursor_y;  // where the print starts and leaves the cursor
    int cell_x, cell_y, glyph;     // a cell that must show the glyph; glyph -1: nothing is drawn
} PRINTS[] = {
    {"12:05", 10, 247, 50, 247, 10, 247, 27},  // glyphs eight pixels apart
    {"A", 0, 0, 8, 0, 0, 0, 0},  // capitals print as their letters
    {"%\t\xC8~", 10, 10, 42, 10, 0, 0, -1},  // no glyph: the cursor advances
    {"\n", 50, 296, 2, 305, 0, 0, -1},  // a line feed breaks above the last line
    {"\r", 50, 300, 2, 300, 0, 0, -1},
    {"ab\ncd", 10, 10, 18, 19, 2, 19, 2},
    {"xxxxxxxxxxxxxxxxxxxxxxxxxxxxx", 2, 20, 2, 29, 226, 20, 23},  // breaks after the 29th
    {"x", 222, 20, 230, 20, 222, 20, 23},  // the line breaks only once x passes 230
    {"x", 223, 20, 2, 29, 223, 20, 23},
    {"\b", 2, 0, 2, 0, 0, 0, -1},  // no backspace before the margin
};

TEST_F(FontTest, PrintsMoveTheCursorAndDrawTheirGlyphs) {
    for (const auto &c : PRINTS) {
        SCOPED_TRACE(std::string("\"") + c.text + "\" at " + std::to_string(c.x) + "," + std::to_string(c.y));
        clear_frame(0);
        print_text(c.text, c.x, c.y, 1);
        EXPECT_EQ(get_text_x(), c.cursor_x);
        EXPECT_EQ(get_text_y(), c.cursor_y);
        EXPECT_TRUE(c.glyph < 0 ? frame.lit() == 0 : shows(c.cell_x, c.cell_y, c.glyph));
    }
    clear_frame(0);
    print_text("i\b-", 50, 0, 9);  // a backspace overprints
    EXPECT_EQ(get_text_x(), 58);
    EXPECT_TRUE(shows(50, 0, char_to_glyph[(unsigned char)'i'], char_to_glyph[(unsigned char)'-']));
    EXPECT_EQ(frame.count(9), frame.lit());
}

TEST_F(FontTest, CentredAndIntoVariants) {
    print_centred("abcde", 40, 1);
    EXPECT_EQ(get_text_x(), 140);
    EXPECT_TRUE(shows(100, 40, 0));
    long drawn = frame.lit();
    GuardedFrame other;
    print_text_into("#", 5, 5, 9, other.frame());
    print_more_into("#", 9, other.frame());
    EXPECT_EQ(draw_target, frame.frame());  // the target is restored
    EXPECT_EQ(frame.lit(), drawn);
    EXPECT_TRUE(other.count(9) == 2 * 49 && other.at(13, 5) == 9 && other.guards_intact());
}

TEST_F(FontTest, TextAtTheEdgesIsClipped) {
    print_text("#", 236, 316, 1);  // a solid block: 4 x 4 of it inside
    EXPECT_EQ(frame.lit(), 16);
    clear_frame(0);
    print_text("\b\b\b#", -20, -3, 1);
    print_text("#", -3, 0, 1);
    EXPECT_EQ(frame.lit(), 4 * 7);
    clear_frame(0);
    std::string long_text(40, '#');  // starts at x = -40: five glyphs wholly left of the frame
    print_centred(long_text.c_str(), 100, 1);
    expect_frame(35 * 49, {{0, 100, 1}, {7, 100, 0}});
}

}  // namespace
