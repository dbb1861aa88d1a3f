// The folders of the game's files and the sound effects on the headless device, with sound on
// and off.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/headless/headless.h"
#include "sound/sound.h"

namespace {

const DWORD PLAY = 0x22001;  // file name, asynchronous, give up when the driver is busy
const DWORD STOP = 0x20001;

class SoundTest : public ::testing::Test {
protected:
    void SetUp() override {
        headless_reset();
        headless_set_module_path(u"\\Programs\\Game\\run.exe");
        build_folders();
        sound_enabled = 1;
    }
};

TEST_F(SoundTest, FoldersLieBesideTheExecutableOrAtTheRoot) {
    const struct {
        std::u16string module, sound, pictures;
    } cases[] = {
        {u"\\Programs\\Game\\run.exe", u"\\Programs\\Game\\Sound\\", u"\\Programs\\Game\\Graph\\"},
        {u"run.exe", u"\\\\Sound\\", u"\\\\Graph\\"},  // no backslash: the root folder
        // The device cuts the path at 259 characters: the folder is the root's part before the cut.
        {u"\\" + std::u16string(300, u'd') + u"\\run.exe", u"\\Sound\\", u"\\Graph\\"},
    };
    for (const auto &c : cases) {
        headless_set_module_path(c.module);
        build_folders();
        EXPECT_EQ(sound_folder, c.sound);
        EXPECT_EQ(pictures_folder, c.pictures);
    }
}

TEST_F(SoundTest, EachEffectPlaysItsFile) {
    play_menu1_sound();
    play_menu2_sound();
    play_movement_sound();
    play_select_sound();
    play_nope_sound();
    const std::vector<HeadlessSound> &sounds = headless_sounds();
    ASSERT_EQ(sounds.size(), 5u);
    const char16_t *names[] = {u"menu1.wav", u"menu2.wav", u"movement.wav", u"select.wav", u"nope.wav"};
    for (int i = 0; i < 5; i++) {
        EXPECT_EQ(sounds[i].path, u"\\Programs\\Game\\Sound\\" + std::u16string(names[i]));
        EXPECT_EQ(sounds[i].flags, PLAY);
    }
}

TEST_F(SoundTest, SilenceStopsEffectsButNotTheStop) {
    for (uint8_t value : {0, 2, 255}) {
        sound_enabled = value;
        play_movement_sound();
        play_sound(u"\\x.wav");
    }
    EXPECT_TRUE(headless_sounds().empty());
    stop_sound();
    ASSERT_EQ(headless_sounds().size(), 1u);
    EXPECT_EQ(headless_sounds()[0].path, u"");
    EXPECT_EQ(headless_sounds()[0].flags, STOP);
}

}  // namespace
