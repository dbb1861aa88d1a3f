// The font: the glyph table and character map, the drawn glyphs, the cursor's metrics, line
// breaks and control characters, the into-variants, and clipping at the frame's edges.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "graphics/draw.h"
#include "graphics/font.h"
#include "tests/graphics/guarded_frame.h"

namespace {

class FontTest : public ::testing::Test {
protected:
    GuardedFrame frame;
    void SetUp() override {
        build_font();
        draw_target = frame.frame();
    }
    void TearDown() override {
        EXPECT_TRUE(frame.guards_intact());
        release_font();
        draw_target = nullptr;
    }
    // The 7 x 7 cell at (x, y) as seven pattern rows ('o' where the pixel is not 0).
    std::string cell(int x, int y) {
        std::string rows;
        for (int k = 0; k < 7; k++) {
            for (int j = 0; j < 7; j++) rows += frame.at(x + j, y + k) != 0 ? 'o' : ':';
            rows += '|';
        }
        return rows;
    }
    std::string glyph(int g) {
        std::string rows;
        for (int k = 0; k < 7; k++) rows += std::string(glyph_rows[g][k]) + '|';
        return rows;
    }
    void expect_cursor(int x, int y) {
        EXPECT_EQ(get_text_x(), x);
        EXPECT_EQ(get_text_y(), y);
    }
};

TEST_F(FontTest, GlyphTableHoldsTheFiftyFourPatterns) {
    int ink = 0;
    for (int g = 0; g < GLYPH_COUNT; g++) {
        for (int k = 0; k < GLYPH_ROWS; k++) {
            ASSERT_NE(glyph_rows[g][k], nullptr);
            EXPECT_EQ(std::strlen(glyph_rows[g][k]), 7u);
            EXPECT_STREQ(glyph_rows[g][k], glyph_patterns[g][k]);
            for (int j = 0; j < 7; j++) ink += glyph_rows[g][k][j] == 'o';
        }
    }
    EXPECT_EQ(ink, 1071);  // the ink of the whole lettering, so a mistyped row shows
    EXPECT_EQ(glyph(26), ":ooooo:|oo:::oo|oo:::oo|:::::::|oo:::oo|oo:::oo|:ooooo:|");
    EXPECT_EQ(glyph(51), "::ooo::|:o:::o:|o::oo:o|o:o:::o|o::oooo|:o:::::|::oooo:|");
}

TEST_F(FontTest, CharacterMapGivesEachCharacterItsGlyph) {
    const char *characters = "abcdefghijklmnopqrstuvwxyz0123456789:!?-=+[] .,><#'@/\\";
    for (int i = 0; i < GLYPH_COUNT; i++) EXPECT_EQ(char_to_glyph[(unsigned char)characters[i]], i);
    EXPECT_EQ(char_to_glyph['%'], 44);
    EXPECT_EQ(char_to_glyph['A'], 44);  // capitals are mapped by the print, not the map
    EXPECT_EQ(char_to_glyph[200], 44);
}

TEST_F(FontTest, ClockLinePlacesGlyphsEightPixelsApart) {
    print_text("12:05", 10, 247, 0xFFFF);
    expect_cursor(50, 247);
    EXPECT_EQ(cell(10, 247), glyph(27));
    EXPECT_EQ(cell(18, 247), glyph(28));
    EXPECT_EQ(cell(26, 247), glyph(36));
    EXPECT_EQ(cell(34, 247), glyph(26));
    EXPECT_EQ(cell(42, 247), glyph(31));
    EXPECT_EQ(frame.at(13, 249), 0);  // the background is left as it was
    EXPECT_EQ(frame.at(16, 248), 0xFFFF);
}


TEST_F(FontTest, CapitalsPrintAsTheirLetters) {
    print_text("A", 0, 0, 1);
    print_text("a", 10, 0, 1);
    print_text("S", 20, 0, 1);
    EXPECT_EQ(cell(0, 0), glyph(0));
    EXPECT_EQ(cell(10, 0), glyph(0));
    EXPECT_EQ(cell(20, 0), glyph(18));
}

TEST_F(FontTest, CharactersWithoutGlyphsAdvanceAndDrawNothing) {
    print_text("%\t\xC8~", 10, 10, 1);
    expect_cursor(42, 10);
    EXPECT_TRUE(frame.lit().empty());
}

TEST_F(FontTest, LineFeedsBreakTheLineAboveTheLastLine) {
    print_text("\n", 50, 296, 1);
    expect_cursor(2, 305);
    print_text("\r", 50, 300, 1);
    expect_cursor(2, 300);
    print_text("ab\ncd", 10, 10, 1);
    expect_cursor(18, 19);
    EXPECT_EQ(cell(2, 19), glyph(2));
}

TEST_F(FontTest, LongLinesBreakAfterTheTwentyNinthCharacter) {
    std::string line(29, 'x');
    print_text(line.c_str(), 2, 20, 1);
    expect_cursor(2, 29);
    EXPECT_EQ(cell(226, 20), glyph(23));
    EXPECT_EQ(frame.at(238, 20), 0);
    print_text("xy", 226, 20, 1);  // a break after the first character, the second on the next line
    expect_cursor(10, 29);
}

TEST_F(FontTest, BackspaceStepsBackAndOverprints) {
    print_text("\b", 2, 0, 1);
    expect_cursor(2, 0);
    print_text("i\b-", 50, 0, 1);
    expect_cursor(58, 0);
    std::string both = cell(50, 0);
    EXPECT_EQ(both.substr(3 * 8, 7), "::oooo:");  // row 3: the dash over the i's stem
    EXPECT_EQ(both.substr(0, 7), "::oooo:");      // row 0 of the i is kept
}

TEST_F(FontTest, EmptyTextOnlyMovesTheCursor) {
    print_text("", 77, 88, 1);
    expect_cursor(77, 88);
    EXPECT_TRUE(frame.lit().empty());
}


TEST_F(FontTest, CentredTextStartsHalfItsWidthLeftOfTheMiddle) {
    print_centred("abcde", 40, 1);
    expect_cursor(140, 40);
    EXPECT_EQ(cell(100, 40), glyph(0));
    std::string thirty(30, '#');
    print_centred(thirty.c_str(), 100, 1);
    EXPECT_EQ(frame.at(0, 100), 1);
}

TEST_F(FontTest, IntoVariantsDrawElsewhereAndRestoreTheTarget) {
    GuardedFrame other;
    print_text_into("#", 5, 5, 9, other.frame());
    print_more_into("#", 9, other.frame());
    print_more("", 1);
    EXPECT_EQ(draw_target, frame.frame());
    EXPECT_TRUE(frame.lit().empty());
    EXPECT_EQ(other.at(5, 5), 9);
    EXPECT_EQ(other.at(13, 5), 9);
    expect_cursor(21, 5);
    EXPECT_TRUE(other.guards_intact());
}

TEST_F(FontTest, TextAtTheEdgesIsClipped) {
    print_text("#", 236, 316, 1);  // a solid block: 4 x 4 of it inside
    EXPECT_EQ(frame.lit().size(), 16u);
    clear_frame(0);
    print_text("\b\b\b#", -20, -3, 1);
    print_text("#", -3, 0, 1);
    EXPECT_EQ(frame.lit().size(), 4u * 7u);
    clear_frame(0);
    std::string long_text(40, '#');  // starts at x = -40: five glyphs wholly left of the frame
    print_centred(long_text.c_str(), 100, 1);
    EXPECT_EQ(frame.at(0, 100), 1);
    EXPECT_EQ(frame.at(7, 100), 0);
    EXPECT_EQ(frame.lit().size(), 35u * 49u);
}


}  // namespace
