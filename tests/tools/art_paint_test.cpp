// The painting underneath the pictures: coverage, colour reduction and text.
#include <gtest/gtest.h>

#include "tests/tools/art_check.h"
#include "tools/art/layer.h"
#include "tools/art/text.h"

TEST(ArtPaint, EdgesAreBlendedByCoverage) {
    Layer l = make_layer(4, 1);
    fill(l, box(0, 0, 1.5, 1), solid(Rgb{200, 100, 0}));
    EXPECT_DOUBLE_EQ(l.alpha[0], 1.0);
    EXPECT_NEAR(l.alpha[1], 0.5, 0.1);
    EXPECT_DOUBLE_EQ(l.alpha[2], 0.0);
    EXPECT_NEAR(colour_at(l, 1, 0).r, 200, 1e-9);  // straight colour, not darkened by the edge
}

TEST(ArtPaint, TransparencyBecomesTheKeyAndNothingElseDoes) {
    Layer l = make_layer(3, 1);
    fill(l, box(1, 0, 3, 1), solid(Rgb{255, 0, 0}));  // an opaque pure red must not vanish
    fill(l, box(2, 0, 3, 1), solid(Rgb{0, 0, 255}));
    IndexedPicture p = quantise(l);
    EXPECT_EQ(p.index[0], KEY_INDEX);
    EXPECT_EQ(to_rgb565(p.map[KEY_INDEX]), KEY);
    EXPECT_NE(to_rgb565(p.map[p.index[1]]), KEY);
    EXPECT_EQ(to_rgb565(p.map[p.index[1]]) >> 11, 31);  // still red to the eye
    EXPECT_EQ(to_rgb565(p.map[p.index[2]]), 0x001F);
}

TEST(ArtPaint, ManyColoursAreReducedToTheMapCloseToTheOriginal) {
    Layer l = make_layer(64, 64);
    fill(l, box(0, 0, 64, 64), [](double x, double y) { return Rgb{x * 4, y * 4, (x + y) * 2}; });
    IndexedPicture p = quantise(l);
    double worst = 0;
    for (int y = 0; y < 64; y++)
        for (int x = 0; x < 64; x++) {
            uint8_t i = p.index[size_t(y) * 64 + x];
            ASSERT_NE(i, KEY_INDEX);
            worst = std::max({worst, std::abs(p.map[i].r - x * 4.0), std::abs(p.map[i].g - y * 4.0)});
        }
    EXPECT_LT(worst, 24);  // 4096 colours in 255 entries: close, not exact
}

TEST(ArtPaint, FewColoursAreKeptExactly) {
    Layer l = make_layer(2, 1);
    fill(l, box(0, 0, 1, 1), solid(Rgb{255, 255, 255}));
    fill(l, box(1, 0, 2, 1), solid(Rgb{132, 130, 132}));
    IndexedPicture p = quantise(l);
    EXPECT_EQ(to_rgb565(p.map[p.index[0]]), 0xFFFF);
    EXPECT_EQ(to_rgb565(p.map[p.index[1]]), (16 << 11) | (32 << 5) | 16);
    EXPECT_EQ(p.map[p.index[1]].r, 132);  // the file holds the colour itself, not just its top bits
}

TEST(ArtPaint, TextUsesTheGamesFontAtWholeScales) {
    Layer l = make_layer(20, 20);
    draw_text(l, "#", 2, 3, 2, Rgb{10, 20, 30});  // the font's solid block
    for (int y = 0; y < 20; y++)
        for (int x = 0; x < 20; x++) {
            bool inside = x >= 2 && x < 16 && y >= 3 && y < 17;
            EXPECT_EQ(l.alpha[size_t(y) * 20 + x], inside ? 1.0 : 0.0) << x << ", " << y;
        }
    EXPECT_EQ(text_width("ab", 1), 15);
    EXPECT_EQ(text_width("ab", 2), 30);
    EXPECT_EQ(text_width("", 2), 0);
}

TEST(ArtPaint, CentredTextIsCentredByItsInk) {
    Layer l = make_layer(40, 10);
    draw_centred(l, "1", 20, 1, 1, Rgb{255, 255, 255}, Rgb{0, 0, 0});
    int left = 40, right = -1;
    for (int x = 0; x < 40; x++)
        if (l.alpha[size_t(3) * 40 + x] > 0 && colour_at(l, x, 3).g > 128) left = std::min(left, x), right = std::max(right, x);
    EXPECT_EQ(left + right + 1, 40);  // the digit's two columns straddle x = 20
}

TEST(ArtPaint, ParagraphsBreakBetweenWords) {
    Layer l = make_layer(100, 40);
    int below = draw_paragraph(l, "aaa bbb ccc", 0, 0, 7, Rgb{255, 255, 255}, Rgb{0, 0, 0});
    EXPECT_EQ(below, 2 * LINE_ADVANCE);  // "aaa bbb" fits seven characters; "ccc" wraps
    EXPECT_GT(l.alpha[size_t(LINE_ADVANCE + 3) * 100 + 1], 0);
    EXPECT_EQ(l.alpha[size_t(LINE_ADVANCE + 3) * 100 + 40], 0);
}
