// TGA loading on the headless device: both layouts, the colour conversions, the row order, and
// files that are missing, short, empty or of a refused size.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "graphics/tga.h"
#include "platform/headless/headless.h"

namespace {

const std::u16string PATH = u"\\vorlen\\Graph\\test.tga";
const int HEADER = 18;
typedef std::vector<uint8_t> Bytes;
typedef std::vector<uint16_t> Pixels;

// A colour-mapped file: header, 256 map entries (blue, green, red) and the index bytes.
Bytes mapped_file(const std::vector<Bytes> &entries, const Bytes &indices) {
    Bytes bytes(HEADER + 768, 0);
    for (size_t i = 0; i < entries.size(); i++) std::copy(entries[i].begin(), entries[i].end(), &bytes[HEADER + 3 * i]);
    bytes.insert(bytes.end(), indices.begin(), indices.end());
    return bytes;
}

// A 16-bit file: header and the pixels, little-endian.
Bytes direct_file(const Pixels &pixels) {
    Bytes bytes(HEADER, 0);
    for (uint16_t p : pixels) bytes.insert(bytes.end(), {uint8_t(p & 0xFF), uint8_t(p >> 8)});
    return bytes;
}

class TgaTest : public ::testing::Test {
protected:
    Pixels dest;
    void SetUp() override { headless_reset(); }
    // Loads the file (none when `file` is null) into a destination prefilled with 0x5555.
    int load(const Bytes *file, int width, int height, uint8_t colour_mapped) {
        if (file) headless_add_file(PATH, *file);
        long long pixels = (long long)width * height;
        dest.assign(width > 0 && height > 0 && pixels < (1 << 20) ? (size_t)pixels : 1, 0x5555);
        return load_tga(PATH.c_str(), width, height, dest.data(), colour_mapped);
    }
};

TEST_F(TgaTest, ColourMapEntriesConvertToRgb565BottomRowFirst) {
    // Pure red, red with the lowest bits of blue and green, blue 8, white, a mixed colour.
    std::vector<Bytes> entries = {{0, 0, 255}, {7, 3, 255}, {8, 0, 255}, {255, 255, 255}, {0x18, 0x24, 0x30}};
    Bytes file = mapped_file(entries, {0, 1, 2, 3, 4, 4, 3, 2, 1, 0});
    ASSERT_EQ(load(&file, 5, 2, 1), 1);
    EXPECT_EQ(dest, (Pixels{0x3123, 0xFFFF, 0xF801, 0xF800, 0xF800, 0xF800, 0xF800, 0xF801, 0xFFFF, 0x3123}));
}

TEST_F(TgaTest, DirectPixelsConvertAndFlipThroughOneRead) {
    Bytes file = direct_file({0x7C00, 0x03E0, 0x7FFF, 0xFFFF, 0x0001, 0x8421});
    // The file's first row (0x7C00, 0x03E0, 0x7FFF) is the picture's bottom row.
    const Pixels expected = {0xFFDF, 0x0001, 0x0841, 0xF800, 0x07C0, 0xFFDF};
    ASSERT_EQ(load(&file, 3, 2, 0), 1);
    EXPECT_EQ(dest, expected);
    EXPECT_EQ(headless_calls(), (std::vector<std::string>{"CreateFileW", "ReadFile", "CloseHandle"}));
    EXPECT_EQ(headless_open_file_count(), 0);
}

TEST_F(TgaTest, ShortOrEmptyFilesAreRefusedAndBlackBeyondTheirData) {
    Bytes half_pixel = direct_file({0x7C00});
    half_pixel.push_back(0xFF);  // one byte of the second pixel
    const struct {
        const char *what;
        Bytes file;
        int width, height;
        uint8_t mapped;
        Pixels expected;
    } cases[] = {
        // Map entry 0 is white, so black cannot come from the table; the top row is missing one.
        {"short indices", mapped_file({{255, 255, 255}, {0, 0, 255}}, {1, 1, 0}), 2, 2, 1, {0xFFFF, 0, 0xF800, 0xF800}},
        {"half a pixel", half_pixel, 2, 1, 0, {0xF800, 0}},
        {"empty", {}, 3, 2, 1, Pixels(6, 0)},
        {"a cut colour map", Bytes(HEADER + 100, 0xFF), 3, 2, 1, Pixels(6, 0)},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(load(&c.file, c.width, c.height, c.mapped), 0);
        EXPECT_EQ(dest, c.expected);
    }
}

TEST_F(TgaTest, MissingFilesAndSizesNamingNoPictureAreRefusedUntouched) {
    EXPECT_EQ(load(nullptr, 2, 2, 1), 0);
    EXPECT_FALSE(headless_file_exists(PATH));
    EXPECT_EQ(dest, Pixels(4, 0x5555));
    EXPECT_EQ(headless_open_file_count(), 0);
    headless_reset();
    Bytes file = direct_file({1, 2, 3, 4});
    EXPECT_EQ(load(&file, 0, 4, 0), 0);
    EXPECT_EQ(load(nullptr, -2, -2, 1), 0);
    EXPECT_EQ(load(nullptr, 2, 2147483647, 1), 0);
    EXPECT_EQ(dest, Pixels(1, 0x5555));
    EXPECT_TRUE(headless_calls().empty());
}

}  // namespace
