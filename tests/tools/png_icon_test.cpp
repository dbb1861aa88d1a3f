// PNG files written through libpng and read back, and the icon painted at a desktop size.
#include <gtest/gtest.h>

#include <filesystem>

#include "tests/test_support.h"
#include "tools/art/icon.h"
#include "tools/png/png_file.h"

namespace {

// The RGBA bytes of pixel i.
std::vector<int> rgba_at(const PngPixels &p, size_t i) {
    return {p.bytes[4 * i], p.bytes[4 * i + 1], p.bytes[4 * i + 2], p.bytes[4 * i + 3]};
}

}  // namespace

TEST(PngFile, FramesRoundTripWidenedCompressedAndBadInputIsRefused) {
    PrivateFolder dir("vorlen-png-");
    std::vector<uint16_t> frame(240 * 320, 0x4208);  // a flat dark grey compresses to little
    frame[0] = 0xF800, frame[1] = 0x07E0, frame[2] = 0x001F, frame[240 * 320 - 1] = 0xFFFF;
    std::string path = dir.file("frame.png");
    ASSERT_EQ(write_png(path, png_from_rgb565(frame, 240, 320)), 1);
    EXPECT_LT(std::filesystem::file_size(path), 2000u);
    PngPixels back = read_png_rgba(path);
    ASSERT_TRUE(back.width == 240 && back.height == 320);
    EXPECT_EQ(rgba_at(back, 0), (std::vector<int>{255, 0, 0, 255}));
    EXPECT_EQ(rgba_at(back, 1), (std::vector<int>{0, 255, 0, 255}));
    EXPECT_EQ(rgba_at(back, 2), (std::vector<int>{0, 0, 255, 255}));
    EXPECT_EQ(rgba_at(back, 3), (std::vector<int>{66, 65, 66, 255}));
    EXPECT_EQ(rgba_at(back, 240 * 320 - 1), (std::vector<int>{255, 255, 255, 255}));

    EXPECT_EQ(write_png(dir.file("no/such/folder.png"), png_from_rgb565(frame, 240, 320)), 0);
    EXPECT_EQ(write_png(dir.file("short.png"), png_from_rgb565(frame, 240, 321)), 0);
    EXPECT_FALSE(std::filesystem::exists(dir.file("short.png")));
    EXPECT_EQ(read_png_rgba(dir.file("absent.png")).width, 0);
}

TEST(Icon, IsRoundOpaqueInsideAndKeepsItsAlphaThroughPng) {
    PrivateFolder dir("vorlen-png-");
    PngPixels icon = layer_rgba(paint_icon(48));
    ASSERT_EQ(icon.bytes.size(), 48u * 48u * 4u);
    EXPECT_EQ(rgba_at(icon, 0)[3], 0);            // a corner, outside the ring
    EXPECT_EQ(rgba_at(icon, 47 * 48 + 47)[3], 0);
    EXPECT_EQ(rgba_at(icon, 24 * 48 + 24)[3], 255);  // the king at the centre
    EXPECT_EQ(rgba_at(icon, 24 * 48 + 1)[3], 255);   // the ring at the left edge
    EXPECT_GT(rgba_at(icon, 24 * 48 + 24)[0], 200);  // the king is white

    std::string path = dir.file("icon.png");
    ASSERT_EQ(write_png(path, icon), 1);
    EXPECT_EQ(read_png_rgba(path).bytes, icon.bytes);
}

// The web's square icons: opaque to the corners, and all but the flat background lies inside
// the circle of 40% of the side that any mask keeps.
TEST(Icon, SquareIconsAreOpaqueAndTheMaskableKeepsItsPictureInTheSafeCircle) {
    for (int size : {512, 180}) {
        PngPixels icon = layer_rgba(paint_square_icon(size, size == 512 ? 0.38 : 0.45));
        for (size_t i = 0; i < size_t(size) * size; i++) ASSERT_EQ(rgba_at(icon, i)[3], 255) << size << " at " << i;
    }
    const int size = 192;
    PngPixels icon = layer_rgba(paint_square_icon(size, 0.38));
    std::vector<int> background = rgba_at(icon, 0);
    int outside_differs = 0, inside_differs = 0;
    for (int y = 0; y < size; y++)
        for (int x = 0; x < size; x++) {
            double dx = x + 0.5 - size / 2.0, dy = y + 0.5 - size / 2.0;
            bool differs = rgba_at(icon, size_t(y) * size + x) != background;
            (dx * dx + dy * dy > 0.4 * 0.4 * size * size ? outside_differs : inside_differs) += differs;
        }
    EXPECT_EQ(outside_differs, 0);
    EXPECT_GT(inside_differs, size * size / 3);  // the ring, the board and the king
}
