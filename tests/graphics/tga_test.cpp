// TGA loading on the headless device: both layouts, the colour conversions, the row order, and
// files that are missing, short, empty, oversized or of a refused size.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "graphics/tga.h"
#include "platform/headless/headless.h"

namespace {

const std::u16string PATH = u"\\vorlen\\Graph\\test.tga";
const int HEADER = 18;

// A colour-mapped file: header, 256 map entries (blue, green, red) and the index bytes.
std::vector<uint8_t> mapped_file(const std::vector<std::vector<uint8_t>> &entries,
                                 const std::vector<uint8_t> &indices) {
    std::vector<uint8_t> bytes(HEADER + 768, 0);
    bytes[2] = 1;  // image type: colour-mapped (never read, but a true file has it)
    for (size_t i = 0; i < entries.size(); i++) {
        for (int c = 0; c < 3; c++) bytes[HEADER + 3 * i + c] = entries[i][c];
    }
    bytes.insert(bytes.end(), indices.begin(), indices.end());
    return bytes;
}

// A 16-bit file: header and the pixels, little-endian.
std::vector<uint8_t> direct_file(const std::vector<uint16_t> &pixels) {
    std::vector<uint8_t> bytes(HEADER, 0);
    bytes[2] = 2;
    for (uint16_t p : pixels) {
        bytes.push_back((uint8_t)(p & 0xFF));
        bytes.push_back((uint8_t)(p >> 8));
    }
    return bytes;
}

class TgaTest : public ::testing::Test {
protected:
    std::vector<uint16_t> dest;
    void SetUp() override { headless_reset(); }
    int load(const std::vector<uint8_t> &file, int width, int height, uint8_t colour_mapped) {
        headless_add_file(PATH, file);
        return load_untouched(width, height, colour_mapped);
    }
    // Loads from PATH into a destination prefilled with 0x5555, so untouched pixels show.
    int load_untouched(int width, int height, uint8_t colour_mapped) {
        long long pixels = (long long)width * height;
        dest.assign(width > 0 && height > 0 && pixels < (1 << 20) ? (size_t)pixels : 1, 0x5555);
        return load_tga(PATH.c_str(), width, height, dest.data(), colour_mapped);
    }
};

TEST_F(TgaTest, ColourMapEntriesConvertToRgb565) {
    // Entries: pure red, red with the lowest bits of blue and green, blue 8, white, a mixed colour.
    std::vector<std::vector<uint8_t>> entries = {
        {0, 0, 255}, {7, 3, 255}, {8, 0, 255}, {255, 255, 255}, {0x18, 0x24, 0x30}};
    ASSERT_EQ(load(mapped_file(entries, {0, 1, 2, 3, 4}), 5, 1, 1), 1);
    EXPECT_EQ(dest, (std::vector<uint16_t>{0xF800, 0xF800, 0xF801, 0xFFFF, 0x3123}));
}

TEST_F(TgaTest, ColourMappedRowsAreStoredBottomUp) {
    std::vector<std::vector<uint8_t>> entries(5);
    for (int i = 0; i < 5; i++) entries[i] = {(uint8_t)(8 * i), 0, 0};
    ASSERT_EQ(load(mapped_file(entries, {1, 2, 3, 4}), 2, 2, 1), 1);
    EXPECT_EQ(dest, (std::vector<uint16_t>{3, 4, 1, 2}));
}

TEST_F(TgaTest, DirectPixelsConvertAndFlip) {
    ASSERT_EQ(load(direct_file({0x7C00, 0x03E0, 0x7FFF, 0xFFFF, 0x0001, 0x8421}), 3, 2, 0), 1);
    // The file's first row (0x7C00, 0x03E0, 0x7FFF) is the picture's bottom row.
    EXPECT_EQ(dest, (std::vector<uint16_t>{0xFFDF, 0x0001, 0x0841, 0xF800, 0x07C0, 0xFFDF}));
}

TEST_F(TgaTest, DataAfterThePixelsIsIgnored) {
    std::vector<uint8_t> file = direct_file({0x7C00, 0x001F});
    std::vector<uint8_t> longer = file;
    const char footer[] = "TRUEVISION-XFILE.";
    longer.insert(longer.end(), footer, footer + sizeof footer);
    ASSERT_EQ(load(longer, 2, 1, 0), 1);
    std::vector<uint16_t> with_footer = dest;
    ASSERT_EQ(load(file, 2, 1, 0), 1);
    EXPECT_EQ(dest, with_footer);
}

TEST_F(TgaTest, ReadsTheFileThroughOneOpenReadAndClose) {
    load(direct_file({1}), 1, 1, 0);
    EXPECT_EQ(headless_calls(), (std::vector<std::string>{"CreateFileW", "ReadFile", "CloseHandle"}));
    EXPECT_EQ(headless_open_file_count(), 0);
}

TEST_F(TgaTest, MissingFileIsRefusedAndNotCreated) {
    EXPECT_EQ(load_untouched(2, 2, 1), 0);
    EXPECT_FALSE(headless_file_exists(PATH));
    EXPECT_EQ(dest, std::vector<uint16_t>(4, 0x5555));
    EXPECT_EQ(headless_open_file_count(), 0);
}

TEST_F(TgaTest, ShortFileLoadsWhatItHasAndBlackBeyond) {
    // Map entry 0 is white, so black pixels cannot come from the table.
    std::vector<uint8_t> file = mapped_file({{255, 255, 255}, {0, 0, 255}}, {1, 1, 0});
    EXPECT_EQ(load(file, 2, 2, 1), 0);
    // File rows bottom-up: (1, 1) is the bottom row, (0, missing) the top.
    EXPECT_EQ(dest, (std::vector<uint16_t>{0xFFFF, 0, 0xF800, 0xF800}));
    std::vector<uint8_t> half_pixel = direct_file({0x7C00});
    half_pixel.push_back(0xFF);  // one byte of the second pixel
    EXPECT_EQ(load(half_pixel, 2, 1, 0), 0);
    EXPECT_EQ(dest, (std::vector<uint16_t>{0xF800, 0}));
}

TEST_F(TgaTest, EmptyOrHeaderOnlyFilesGiveBlackPictures) {
    EXPECT_EQ(load({}, 3, 2, 1), 0);
    EXPECT_EQ(dest, std::vector<uint16_t>(6, 0));
    EXPECT_EQ(load(std::vector<uint8_t>(HEADER + 100, 0xFF), 3, 2, 1), 0);  // a cut colour map
    EXPECT_EQ(dest, std::vector<uint16_t>(6, 0));
    EXPECT_EQ(load(std::vector<uint8_t>(HEADER, 0xFF), 3, 2, 0), 0);
    EXPECT_EQ(dest, std::vector<uint16_t>(6, 0));
}

TEST_F(TgaTest, SizesThatNameNoPictureAreRefused) {
    headless_add_file(PATH, direct_file({1, 2, 3, 4}));
    EXPECT_EQ(load_untouched(0, 4, 0), 0);
    EXPECT_EQ(load_untouched(-2, -2, 1), 0);
    EXPECT_EQ(load_untouched(2, 2147483647, 1), 0);
    EXPECT_EQ(dest, std::vector<uint16_t>(1, 0x5555));
    EXPECT_TRUE(headless_calls().empty());
}


}  // namespace
