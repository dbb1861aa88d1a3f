// The desktop device with SDL's dummy drivers: the emulated layouts read back, paths, a whole
// run through WinMain that opens, presents, takes a click, plays a sound and closes, what is
// sent to the window and what it then shows; and, without a window, the changed rectangle and
// the scaling's placement of the picture.
#include <gtest/gtest.h>

#include <SDL.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "game/main_loop.h"
#include "platform/common/display.h"
#include "platform/common/files.h"
#include "platform/common/fit.h"
#include "platform/common/scanout.h"
#include "platform/sdl/internal.h"
#include "platform/sdl/sdl_device.h"
#include "shell/present.h"
#include "shell/shell.h"
#include "tests/platform/sdl_test_device.h"
#include "tests/test_support.h"

namespace {

std::function<void()> game_body;  // what this test's run_game does

const PrivateFolder scratch("vorlen-sdl-test-");  // the instance lock, the files and the kept game

// The private folder, with the device using it and no screen or sound card.
std::string private_folder() {
    use_dummy_device(scratch.path.string());
    return scratch.path.string();
}

// Writes a mono 16-bit WAV file of `frames` samples at `rate` (the host is little-endian).
void write_wav(const std::string &path, uint32_t rate, uint32_t frames) {
    const uint32_t header[] = {0x46464952 /* RIFF */, 36 + frames * 2, 0x45564157 /* WAVE */, 0x20746D66 /* fmt */,
                               16, 0x00010001 /* PCM, mono */, rate, rate * 2, 0x00100002 /* 2-byte frames of 16 bits */,
                               0x61746164 /* data */, frames * 2};
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char *>(header), sizeof header);
    for (uint32_t i = 0; i < frames; ++i) {
        uint16_t sample = uint16_t(i * 97);
        out.write(reinterpret_cast<const char *>(&sample), 2);
    }
}

// Presents a frame where every pixel differs from its neighbours and returns it.
std::vector<uint16_t> present_pattern() {
    std::vector<uint16_t> frame(240 * 320);
    for (size_t i = 0; i < frame.size(); ++i) frame[i] = uint16_t(i * 40503u + 7u);
    std::copy(frame.begin(), frame.end(), BackBuffer);
    present_frame();
    return frame;
}

// Closes the window as a person would, so the game's window is gone when WinMain returns.
void close_window() {
    push_close();
    present_and_pump(true);
}

// Lays the emulated display out and keeps its values as start-up does.
void use_display(int32_t bpp, int32_t x_pitch, int32_t y_pitch) {
    device_set_display(bpp, x_pitch, y_pitch);
    cBPP = bpp, cbxPitch = x_pitch, cbyPitch = y_pitch;
}

}  // namespace

void run_game() {
    if (game_body) game_body();
}

TEST(SdlScanOut, ColourLayoutsReadBackExactly) {
    std::vector<uint16_t> back(240 * 320);
    BackBuffer = back.data();
    for (auto pitches : {std::pair<int32_t, int32_t>{2, 480}, {2, 512}, {-640, 2}, {640, -2}}) {
        use_display(16, pitches.first, pitches.second);
        std::vector<uint16_t> frame = present_pattern();
        EXPECT_TRUE(std::equal(frame.begin(), frame.end(), sdl_device_picture())) << pitches.first;
    }
    BackBuffer = nullptr;
}

// What a device path's file gives when opened, read and closed; "missing" when it cannot be
// opened (absent, or no regular file).
std::string file_read(const std::string &host_file) {
    std::u16string device_file = device_path_of_host(host_file);
    HANDLE handle = CreateFileW(device_file.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    if (handle == INVALID_HANDLE_VALUE) return "missing";
    char text[8] = {};
    DWORD read = 0;
    return ReadFile(handle, text, 8, &read, nullptr) && CloseHandle(handle) ? std::string(text, read) : "failed";
}

TEST(SdlFiles, DevicePathsAreHostPathsWithBackslashesAndOnlyRegularFilesAreRead) {
    EXPECT_EQ(device_path_of_host("/home/ann/vorlen/bin/vorlen"), u"\\home\\ann\\vorlen\\bin\\vorlen");
    EXPECT_EQ(device_host_path(u"\\home\\ann\\Graph\\board.tga"), "/home/ann/Graph/board.tga");
    EXPECT_EQ(device_host_path(u"\\tmp\\\u00e9t\u00e9\\\U0001F3B2"), "/tmp/\xc3\xa9t\xc3\xa9/\xf0\x9f\x8e\xb2");
    WCHAR module[MAX_PATH];
    ASSERT_GT(GetModuleFileNameW(nullptr, module, MAX_PATH), 0u);
    std::u16string path(module);
    EXPECT_EQ(path.substr(path.rfind(u'\\') + 1), u"sdl_tests");

    // A folder named in bytes that are no UTF-8 is found.
    std::string latin1 = private_folder() + "/caf\xe9-latin1";
    std::filesystem::create_directory(latin1);
    EXPECT_EQ(file_read(latin1 + "/board.tga"), "missing");
    std::ofstream(latin1 + "/board.tga", std::ios::binary) << "abcdef";
    EXPECT_EQ(file_read(latin1 + "/board.tga"), "abcdef");
    EXPECT_EQ(device_host_path(device_path_of_host(latin1).c_str()), latin1);
    ASSERT_EQ(mkfifo((latin1 + "/fifo.tga").c_str(), 0600), 0);  // opening it for reading would block
    for (const std::string &other : {latin1 + "/fifo.tga", latin1, std::string("/dev/null")})
        EXPECT_EQ(file_read(other), "missing") << other;
}

TEST(SdlCheck, APictureIsWholeOnlyWhenItsHeaderMapAndPixelsLieInTheFile) {
    // A 2 x 2 colour-mapped picture with a two-byte identification and three 24-bit map entries.
    std::vector<uint8_t> tga = {2, 1, 1, 0, 0, 3, 0, 24, 0, 0, 0, 0, 2, 0, 2, 0, 8, 0};
    tga.resize(tga.size() + 2 + 3 * 3 + 2 * 2, 0);
    EXPECT_TRUE(tga_is_whole(tga));
    EXPECT_FALSE(tga_is_whole(std::vector<uint8_t>(tga.begin(), tga.end() - 1)));  // a pixel short
    std::vector<uint8_t> true_colour = tga;
    true_colour[1] = 0;
    true_colour[2] = 2;
    EXPECT_FALSE(tga_is_whole(true_colour));
    EXPECT_FALSE(tga_is_whole({}));
    // A hostile header: 65535 x 65535 pixels and 65535 32-bit map entries, far beyond the file
    // (and beyond an int when multiplied).
    std::vector<uint8_t> hostile = tga;
    hostile[5] = hostile[6] = hostile[12] = hostile[13] = hostile[14] = hostile[15] = 0xFF;
    hostile[7] = 32;
    EXPECT_FALSE(tga_is_whole(hostile));
}

TEST(SdlSound, EachSoundIsReadOnceAndKeptAndHostileFilesAreSilence) {
    std::string folder = private_folder();
    ASSERT_EQ(sdl_device_start(), 1);
    sdl_sound_hold(true);
    auto play = [&](const std::string &file) {
        return PlaySoundW(device_path_of_host(folder + "/" + file).c_str(), nullptr, SND_ASYNC | SND_FILENAME);
    };
    // Empty sounds: a data chunk of no bytes, and a file cut right after its header.
    write_wav(folder + "/empty.wav", 22050, 0);
    write_wav(folder + "/cut.wav", 22050, 1000);
    std::filesystem::resize_file(folder + "/cut.wav", 44);
    EXPECT_TRUE(play("empty.wav"));
    EXPECT_EQ(sdl_sound_length(), 0u);
    EXPECT_TRUE(play("cut.wav"));
    EXPECT_EQ(sdl_sound_length(), 0u);

    // Converted once: the file changing afterwards does not change the sound.
    write_wav(folder + "/beep.wav", 22050, 1000);
    EXPECT_TRUE(play("beep.wav"));
    write_wav(folder + "/beep.wav", 22050, 10);
    EXPECT_TRUE(play("beep.wav"));
    EXPECT_EQ(sdl_sound_length(), 2000u * 4u);

    // A data chunk that claims 4 GB plays the samples the file holds.
    write_wav(folder + "/claims.wav", 22050, 1000);
    {
        std::fstream file(folder + "/claims.wav", std::ios::binary | std::ios::in | std::ios::out);
        file.seekp(40);
        file.write("\x00\xff\xff\xff", 4);
    }
    EXPECT_TRUE(play("claims.wav"));
    EXPECT_EQ(sdl_sound_length(), 2000u * 4u);

    // Refused without reading: more than a few megabytes, a FIFO, a folder.
    write_wav(folder + "/huge.wav", 22050, 3u << 20);
    EXPECT_FALSE(play("huge.wav"));
    ASSERT_EQ(mkfifo((folder + "/fifo.wav").c_str(), 0600), 0);
    EXPECT_FALSE(play("fifo.wav"));
    EXPECT_FALSE(play(""));
    EXPECT_EQ(sdl_sound_length(), 2000u * 4u);  // a refused sound leaves the playing one alone
    sdl_sound_hold(false);
    sdl_device_stop();
}

TEST(SdlDevice, OpensPresentsTakesClicksPlaysAndCloses) {
    std::string folder = private_folder();
    setenv("VORLEN_SCALE", "2", 1);
    unsetenv("VORLEN_DISPLAY");
    std::string wav = folder + "/beep.wav";
    write_wav(wav, 22050, 1000);
    ASSERT_EQ(sdl_device_start(), 1);
    EXPECT_EQ(sdl_device_scale(), 2);
    game_body = [&] {
        EXPECT_TRUE(sdl_device_window_shown());
        std::vector<uint16_t> frame = present_pattern();
        EXPECT_TRUE(std::equal(frame.begin(), frame.end(), sdl_device_picture()));

        // Device pixel (100, 150) is window pixels (200..201, 300..301) at scale 2.
        push_click(201, 301);
        present_and_pump(true);
        EXPECT_TRUE(take_tap() && is_pen_down() == 0);
        EXPECT_EQ(get_tap_x() * 1000 + get_tap_y(), 100150);

        // Wider than the picture: 60 window pixels of letterbox each side, where clicks are dropped.
        SDL_SetWindowSize(SDL_GetWindowFromID(sdl_device_window_id()), 600, 640);
        present_and_pump(true);
        push_click(30, 300);
        present_and_pump(true);
        EXPECT_FALSE(take_tap());
        push_button(SDL_MOUSEBUTTONDOWN, 60 + 479, 639);
        present_and_pump(true);
        EXPECT_TRUE(take_tap());
        EXPECT_EQ(get_tap_x() * 1000 + get_tap_y(), 239319);

        // 1000 samples at 22050 Hz become 2000 stereo 16-bit frames at 44100 Hz, every one kept.
        sdl_sound_hold(true);
        std::u16string sound = device_path_of_host(wav);
        EXPECT_TRUE(PlaySoundW(sound.c_str(), nullptr, SND_ASYNC | SND_FILENAME | SND_NODEFAULT));
        EXPECT_EQ(sdl_sound_length(), 2000u * 4u);
        EXPECT_TRUE(PlaySoundW(nullptr, nullptr, 0));
        EXPECT_EQ(sdl_sound_length(), 0u);
        EXPECT_FALSE(PlaySoundW(u"\\no\\such.wav", nullptr, SND_ASYNC | SND_FILENAME));
        sdl_sound_hold(false);

        close_window();
        EXPECT_EQ(close_requested, 1);
    };
    EXPECT_EQ(WinMain(nullptr, nullptr, nullptr, SW_SHOW), 0);
    EXPECT_FALSE(sdl_device_window_shown());
    sdl_device_stop();
}

// The window is sent a frame only when its picture, layout or size changed, and then shows it
// scaled and letterboxed, although only the changed part was sent.
TEST(SdlDevice, RedrawsOnlyForAChangeAndShowsEachFrameScaledAndLetterboxed) {
    private_folder();
    setenv("VORLEN_SCALE", "2", 1);
    ASSERT_EQ(sdl_device_start(), 1);
    game_body = [] {
        use_display(16, 2, 480);
        present_pattern();
        int count = sdl_device_redraw_count();
        present_frame();
        EXPECT_EQ(sdl_device_redraw_count(), count) << "an unchanged frame";
        BackBuffer[240 * 319 + 239] ^= 1;
        present_frame();
        EXPECT_EQ(sdl_device_redraw_count(), count + 1) << "one pixel changed";
        present_frame();
        EXPECT_EQ(sdl_device_redraw_count(), count + 1) << "unchanged since that pixel";
        use_display(16, 2, 512);
        present_frame();
        EXPECT_EQ(sdl_device_redraw_count(), count + 2) << "the same picture from another layout";
        SDL_Window *window = SDL_GetWindowFromID(sdl_device_window_id());
        SDL_SetWindowSize(window, 720, 960);
        int resized = sdl_device_redraw_count();
        present_frame();
        EXPECT_EQ(sdl_device_redraw_count(), resized + 1) << "the same picture at another scale";
        present_frame();
        EXPECT_EQ(sdl_device_redraw_count(), resized + 1);

        use_display(16, 2, 480);
        SDL_SetWindowSize(window, 600, 700);  // scale 2, 60 columns and 30 rows of letterbox each side
        std::vector<uint16_t> frame = present_pattern();
        BackBuffer[240 * 100 + 50] = 0xFFFF;  // a part of the picture changes
        present_frame();
        frame[240 * 100 + 50] = 0xFFFF;
        SDL_Surface *surface = SDL_GetWindowSurface(window);
        ASSERT_TRUE(surface && surface->w == 600 && surface->h == 700 && surface->format->BytesPerPixel == 4);
        int wrong = 0;
        for (int y = 0; y < 700; ++y)
            for (int x = 0; x < 600; ++x) {
                uint8_t c[3] = {0, 0, 0}, shown[3];
                if (x >= 60 && x < 540 && y >= 30 && y < 670)
                    rgb565_to_rgb8(frame[size_t((y - 30) / 2 * 240 + (x - 60) / 2)], c);
                Uint32 pixel = static_cast<const Uint32 *>(surface->pixels)[y * surface->pitch / 4 + x];
                SDL_GetRGB(pixel, surface->format, &shown[0], &shown[1], &shown[2]);
                wrong += !std::equal(c, c + 3, shown);
            }
        EXPECT_EQ(wrong, 0);
        close_window();
    };
    EXPECT_EQ(WinMain(nullptr, nullptr, nullptr, SW_SHOW), 0);
    sdl_device_stop();
}

TEST(SdlPresentation, ScalingPlacesThePictureAsTheMouseMapsItAndSpansWholeDevicePixels) {
    WindowPicture at2 = place_picture(600, 700);
    EXPECT_EQ(at2.left * 1000 + at2.top, 60030);
    ASSERT_EQ(at2.columns.size(), 480u);
    ASSERT_EQ(at2.rows.size(), 640u);
    PixelRect part = scaled_part(at2, {10, 20, 11, 40});
    EXPECT_TRUE(part.left == 20 && part.right == 22 && part.top == 40 && part.bottom == 80);
    PixelRect whole = scaled_part(at2, WHOLE_PICTURE);
    EXPECT_TRUE(whole.left == 0 && whole.top == 0 && whole.right == 480 && whole.bottom == 640);

    // Between once and twice the picture it fills the window unevenly; every window pixel of the
    // picture still shows the device pixel a click there gives.
    for (auto size : {std::pair<int, int>{400, 600}, {200, 200}, {240, 320}}) {
        WindowPicture placed = place_picture(size.first, size.second);
        int wrong = 0;
        for (size_t x = 0; x < placed.columns.size(); ++x)
            for (size_t y = 0; y < placed.rows.size(); ++y) {
                POINT p = device_pixel_at(placed.fit, placed.left + int(x), placed.top + int(y));
                wrong += p.x != placed.columns[x] || p.y != placed.rows[y];
            }
        EXPECT_EQ(wrong, 0) << size.first;
        PixelRect all = scaled_part(placed, WHOLE_PICTURE);
        EXPECT_EQ(all.right - all.left, int(placed.columns.size())) << size.first;
        EXPECT_EQ(all.bottom - all.top, int(placed.rows.size())) << size.first;
        if (placed.columns.size() < 240) continue;  // shrunk: some device pixels are not shown at all
        // A part's window pixels show that part and its neighbours' do not.
        PixelRect one = scaled_part(placed, {100, 150, 101, 151});
        EXPECT_TRUE(placed.columns[size_t(one.left)] == 100 && placed.columns[size_t(one.right - 1)] == 100 &&
                    (one.right == int(placed.columns.size()) || placed.columns[size_t(one.right)] == 101))
            << size.first;
    }
    EXPECT_TRUE(place_picture(0, 0).columns.empty());
}

TEST(SdlScale, ASettingOutOfRangeOrTooLargeIsWarnedAboutAndTheLargestFittingUsed) {
    const struct {
        const char *setting;
        int usable_w, usable_h, scale;
        bool warned;
    } cases[] = {
        {nullptr, 1920, 1050, 2, false},  // the default takes at most 90% of the screen
        {nullptr, 0, 0, 2, false},        // unknown screen
        {"3", 1920, 1050, 3, false},      // asked for, the whole usable screen may be taken
        {"3", 0, 0, 3, false},
        {"8", 1920, 1050, 3, true},       // too tall
        {"0", 1920, 1050, 2, true},  {"9", 0, 0, 2, true},      {"2x", 1920, 1050, 2, true},
        {"", 1920, 1050, 2, true},   {"-1", 640, 480, 1, true}, {"99999999999999999999", 1920, 1050, 2, true},
    };
    for (const auto &c : cases) {
        testing::internal::CaptureStderr();
        EXPECT_EQ(window_scale(c.setting, c.usable_w, c.usable_h), c.scale) << (c.setting ? c.setting : "unset");
        std::string warning = testing::internal::GetCapturedStderr();
        EXPECT_EQ(std::count(warning.begin(), warning.end(), '\n'), c.warned ? 1 : 0) << warning;
    }
}

TEST(SdlDevice, ASecondStartRaisesTheFirstAndEndsWithoutAGame) {
    private_folder();
    ASSERT_EQ(sdl_device_start(), 1);
    game_body = [] {
        pid_t child = fork();
        if (child == 0) {  // the second start finds the lock taken and asks for the first window
            game_body = [] { _exit(1); };
            int started = sdl_device_start();
            _exit(started == 1 && WinMain(nullptr, nullptr, nullptr, SW_SHOW) == 0 ? 0 : 2);
        }
        int status = -1;
        waitpid(child, &status, 0);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "status " << status;
        present_and_pump(true);
    };
    EXPECT_EQ(WinMain(nullptr, nullptr, nullptr, SW_SHOW), 0);
    EXPECT_EQ(sdl_device_raise_count(), 1);
    sdl_device_stop();
}
