// The files vorlen-art writes: names, sizes, headers, the key colour, sounds, and sameness
// from run to run.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "sound/game_files.h"
#include "tests/test_support.h"
#include "tests/tools/art_check.h"
#include "tools/art/generate.h"
#include "tools/art/layer.h"
#include "tools/art/sounds.h"

namespace {

// Every picture of the game's list with its size, and every sound.
const struct {
    const char *name;
    int width, height;
} PICTURES[] = {
#define SCREEN(name, width, height, use) {#name ".tga", width, height},
#define PIECE(name, use) {#name ".tga", GAME_PIECE_SIZE, GAME_PIECE_SIZE},
    GAME_SCREEN_PICTURES(SCREEN) GAME_PIECE_PICTURES(PIECE)
#undef SCREEN
#undef PIECE
};
const char *const SOUND_NAMES[] = {
#define SOUND(name, use) #name ".wav",
    GAME_SOUNDS(SOUND)
#undef SOUND
};

std::vector<uint8_t> read_all(const std::string &path) {
    std::ifstream in(path, std::ios::binary);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

int word(const std::vector<uint8_t> &b, size_t at) { return b[at] | b[at + 1] << 8; }
long dword(const std::vector<uint8_t> &b, size_t at) { return long(word(b, at)) | long(word(b, at + 2)) << 16; }

}  // namespace

TEST(ArtFiles, EveryFileHasTheLoadersLayoutSizeAndKeyAndAnUnwritableFolderIsReported) {
    PrivateFolder folder("vorlen-art-");
    std::string dir = folder.path.string();
    ASSERT_EQ(write_art(dir), 1);
    for (const auto &picture : PICTURES) {
        int w = picture.width, h = picture.height;
        SCOPED_TRACE(picture.name);
        std::vector<uint8_t> f = read_all(dir + "/Graph/" + picture.name);
        ASSERT_EQ(f.size(), size_t(18 + 768 + w * h));
        const uint8_t header[8] = {0, 1, 1, 0, 0, 0, 1, 24};  // colour-mapped, 256 entries of 24 bits
        EXPECT_TRUE(std::equal(header, header + 8, f.begin()));
        EXPECT_TRUE(word(f, 12) == w && word(f, 14) == h && f[16] == 8);
        EXPECT_EQ(f[17] & 0x20, 0);  // origin at the lower left
        // Entry 0 is pure red, the key; no other entry may turn into the key when loaded.
        EXPECT_EQ(f[18] | f[19] << 8 | f[20] << 16, 0xFF0000);
        Decoded d = decode(f, w, h);
        for (int e = 1; e < 256; e++) EXPECT_NE(d.table[e], KEY) << "entry " << e;
    }
    for (const char *name : SOUND_NAMES) {
        SCOPED_TRACE(name);
        std::vector<uint8_t> f = read_all(dir + "/Sound/" + name);
        ASSERT_GT(f.size(), size_t(44));
        EXPECT_EQ(std::string(f.begin(), f.begin() + 4) + std::string(f.begin() + 8, f.begin() + 16), "RIFFWAVEfmt ");
        EXPECT_EQ(dword(f, 4), long(f.size()) - 8);
        EXPECT_EQ(word(f, 20) * 10 + word(f, 22), 11);  // PCM, mono
        EXPECT_TRUE(dword(f, 24) == 22050 && word(f, 34) == 16);
        EXPECT_EQ(std::string(f.begin() + 36, f.begin() + 40), "data");
        EXPECT_EQ(dword(f, 40), long(f.size()) - 44);
        double seconds = double(dword(f, 40)) / 2 / 22050;
        bool movement = std::string(name) == "movement.wav";  // about as long as a slide of 20 frames
        EXPECT_GE(seconds, movement ? 0.6 : 0.05);
        EXPECT_LE(seconds, movement ? 0.7 : 0.5);
        EXPECT_EQ(word(f, 44) | word(f, f.size() - 2), 0);  // starts and ends in silence: no clicks
    }
    std::ofstream(dir + "/blocked") << "a file where a folder should be";
    EXPECT_EQ(write_art(dir + "/blocked"), 0);
}

TEST(ArtFiles, OutputIsTheSameEveryRunAndOnlyTransparencyBecomesTheKey) {
    EXPECT_EQ(picture_bytes("front.tga"), picture_bytes("front.tga"));
    for (const SoundFile &s : SOUND_FILES) EXPECT_EQ(s.make(), s.make()) << s.name;
    Layer l = make_layer(3, 1);
    fill(l, box(1, 0, 3, 1), solid(Rgb{255, 0, 0}));  // an opaque pure red must not vanish
    fill(l, box(2, 0, 3, 1), solid(Rgb{0, 0, 255}));
    IndexedPicture p = quantise(l);
    EXPECT_EQ(p.index[0], KEY_INDEX);
    EXPECT_EQ(to_rgb565(p.map[KEY_INDEX]), KEY);
    EXPECT_NE(to_rgb565(p.map[p.index[1]]), KEY);
    EXPECT_EQ(to_rgb565(p.map[p.index[1]]) >> 11, 31);  // still red to the eye
}
