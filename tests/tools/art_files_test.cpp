// The files vorlen-art writes: names, sizes, headers, colour maps and sounds.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "tests/tools/art_check.h"
#include "tools/art/generate.h"
#include "tools/art/sounds.h"

namespace {

const char *const PICTURE_NAMES[PICTURE_COUNT] = {
    "about.tga", "greenwin.tga", "bluewin.tga", "panel1.tga", "panel2.tga", "panel3.tga", "panel4.tga",
    "board.tga", "front.tga", "wpawn.tga", "wrook.tga", "wknight.tga", "wbishop.tga", "wqueen.tga",
    "wking.tga", "bpawn.tga", "brook.tga", "bknight.tga", "bbishop.tga", "bqueen.tga", "bking.tga"};
const int PICTURE_SIZES[PICTURE_COUNT][2] = {{240, 320}, {224, 100}, {224, 100}, {240, 60}, {240, 60}, {240, 320},
                                             {240, 80}, {240, 240}, {240, 240}, {30, 30}, {30, 30}, {30, 30},
                                             {30, 30}, {30, 30}, {30, 30}, {30, 30}, {30, 30}, {30, 30},
                                             {30, 30}, {30, 30}, {30, 30}};
const char *const SOUND_NAMES[SOUND_COUNT] = {"menu1.wav", "menu2.wav", "movement.wav", "select.wav", "nope.wav"};

std::vector<uint8_t> read_all(const std::string &path) {
    std::ifstream in(path, std::ios::binary);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

int word(const std::vector<uint8_t> &b, size_t at) { return b[at] | b[at + 1] << 8; }
long dword(const std::vector<uint8_t> &b, size_t at) { return long(word(b, at)) | long(word(b, at + 2)) << 16; }

// A fresh folder under the system's temporary folder.
std::string temp_folder(const char *tag) {
    std::string base = std::filesystem::temp_directory_path() / ("vorlen-art-" + std::string(tag) + "XXXXXX");
    std::vector<char> name(base.begin(), base.end());
    name.push_back(0);
    return mkdtemp(name.data()) ? std::string(name.data()) : std::string();
}

}  // namespace

TEST(ArtFiles, EveryPictureHasTheLoadersLayoutAndSize) {
    std::string dir = temp_folder("g");
    ASSERT_EQ(write_art(dir), 1);
    for (int i = 0; i < PICTURE_COUNT; i++) {
        SCOPED_TRACE(PICTURE_NAMES[i]);
        std::vector<uint8_t> f = read_all(dir + "/Graph/" + PICTURE_NAMES[i]);
        int w = PICTURE_SIZES[i][0], h = PICTURE_SIZES[i][1];
        ASSERT_EQ(f.size(), size_t(18 + 768 + w * h));
        EXPECT_EQ(f[0], 0);   // no identification field
        EXPECT_EQ(f[1], 1);   // colour map present
        EXPECT_EQ(f[2], 1);   // uncompressed colour-mapped
        EXPECT_EQ(word(f, 3), 0);
        EXPECT_EQ(word(f, 5), 256);
        EXPECT_EQ(f[7], 24);
        EXPECT_EQ(word(f, 12), w);
        EXPECT_EQ(word(f, 14), h);
        EXPECT_EQ(f[16], 8);
        EXPECT_EQ(f[17] & 0x20, 0);  // origin at the lower left
        // Entry 0 is pure red, the key; no other entry may turn into the key when loaded.
        EXPECT_EQ(decode(f, w, h).pixels.size(), size_t(w * h));
        EXPECT_EQ(f[18] | f[19] << 8 | f[20] << 16, 0xFF0000);
        for (int e = 1; e < 256; e++) {
            bool key = f[20 + 3 * e] >= 248 && f[19 + 3 * e] <= 3 && f[18 + 3 * e] <= 7;
            EXPECT_FALSE(key) << "entry " << e;
        }
    }
    std::filesystem::remove_all(dir);
}

TEST(ArtFiles, OutputIsTheSameEveryRun) {
    for (const char *name : {"front.tga", "panel3.tga", "wknight.tga"}) EXPECT_EQ(picture_bytes(name), picture_bytes(name)) << name;
    for (const SoundFile &s : SOUND_FILES) EXPECT_EQ(s.make(), s.make()) << s.name;
}

TEST(ArtFiles, SoundsArePcmWavesOfTheRightLengthAndVolume) {
    std::string dir = temp_folder("s");
    ASSERT_EQ(write_art(dir), 1);
    std::vector<std::vector<uint8_t>> all;
    for (const char *name : SOUND_NAMES) {
        SCOPED_TRACE(name);
        std::vector<uint8_t> f = read_all(dir + "/Sound/" + name);
        ASSERT_GT(f.size(), size_t(44));
        EXPECT_EQ(std::string(f.begin(), f.begin() + 4), "RIFF");
        EXPECT_EQ(dword(f, 4), long(f.size()) - 8);
        EXPECT_EQ(std::string(f.begin() + 8, f.begin() + 16), "WAVEfmt ");
        EXPECT_EQ(word(f, 20), 1);  // PCM
        EXPECT_EQ(word(f, 22), 1);  // mono
        EXPECT_EQ(dword(f, 24), 22050);
        EXPECT_EQ(word(f, 34), 16);
        EXPECT_EQ(std::string(f.begin() + 36, f.begin() + 40), "data");
        long samples = dword(f, 40) / 2;
        EXPECT_EQ(dword(f, 40), long(f.size()) - 44);
        double seconds = double(samples) / 22050;
        if (std::string(name) == "movement.wav") {
            EXPECT_GE(seconds, 0.6);  // about as long as a slide of 20 frames
            EXPECT_LE(seconds, 0.7);
        } else {
            EXPECT_LE(seconds, 0.5);
        }
        int peak = 0;
        for (long i = 0; i < samples; i++) peak = std::max(peak, std::abs(int16_t(word(f, 44 + 2 * size_t(i)))));
        EXPECT_GT(peak, 32767 / 8);  // audible
        EXPECT_LT(peak, 32767 * 6 / 10);  // but never harsh
        EXPECT_EQ(int16_t(word(f, 44)), 0);  // starts and ends in silence: no clicks
        EXPECT_EQ(int16_t(word(f, f.size() - 2)), 0);
        for (const auto &other : all) EXPECT_NE(other, f);
        all.push_back(f);
    }
    std::filesystem::remove_all(dir);
}

TEST(ArtFiles, AnUnwritableFolderIsReported) {
    std::string dir = temp_folder("u");
    std::ofstream(dir + "/blocked") << "a file where a folder should be";
    EXPECT_EQ(write_art(dir + "/blocked"), 0);
    std::filesystem::remove_all(dir);
}
