// The test device's in-memory files and module path.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>

#include "platform/headless/headless.h"

namespace {

// Opens a device path for reading with the given disposition.
HANDLE open(const char16_t *path, DWORD disposition) {
    return CreateFileW(path, GENERIC_READ, FILE_SHARE_READ, nullptr, disposition, FILE_ATTRIBUTE_NORMAL,
                       nullptr);
}

}  // namespace

TEST(HeadlessFiles, OpenExistingRefusesAMissingFileAndOpenAlwaysCreatesIt) {
    headless_reset();
    EXPECT_EQ(open(u"\\vorlen\\Graph\\none.tga", OPEN_EXISTING), INVALID_HANDLE_VALUE);
    EXPECT_FALSE(headless_file_exists(u"\\vorlen\\Graph\\none.tga"));
    HANDLE file = open(u"\\vorlen\\Graph\\none.tga", OPEN_ALWAYS);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    EXPECT_TRUE(headless_file_exists(u"\\vorlen\\Graph\\none.tga"));
    DWORD read = 99;
    uint8_t byte = 0;
    EXPECT_TRUE(ReadFile(file, &byte, 1, &read, nullptr));
    EXPECT_EQ(read, 0u);
    EXPECT_TRUE(CloseHandle(file));
    EXPECT_FALSE(CloseHandle(file));
    EXPECT_EQ(headless_open_file_count(), 0);
}

TEST(HeadlessFiles, ReadsInPiecesUpToTheEndWithoutMindingCase) {
    headless_reset();
    headless_add_file(u"\\vorlen\\Graph\\board.tga", {1, 2, 3, 4, 5});
    HANDLE file = open(u"\\VORLEN\\graph\\Board.TGA", OPEN_EXISTING);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    EXPECT_EQ(headless_open_file_count(), 1);
    uint8_t buffer[8] = {};
    DWORD read = 0;
    EXPECT_TRUE(ReadFile(file, buffer, 3, &read, nullptr));
    EXPECT_EQ(read, 3u);
    EXPECT_TRUE(ReadFile(file, buffer + 3, 8, &read, nullptr));
    EXPECT_EQ(read, 2u);
    EXPECT_EQ(buffer[4], 5);
    CloseHandle(file);
    EXPECT_FALSE(ReadFile(file, buffer, 1, &read, nullptr));
    EXPECT_EQ(CreateFileW(u"\\vorlen\\Graph\\board.tga", 0, 0, nullptr, OPEN_EXISTING, 0, nullptr),
              INVALID_HANDLE_VALUE);
}

TEST(HeadlessFiles, HostFolderFilesAppearUnderTheDeviceFolder) {
    headless_reset();
    std::filesystem::path folder = std::filesystem::temp_directory_path() / "vorlen-headless-files";
    std::filesystem::create_directories(folder);
    std::ofstream(folder / "a.wav", std::ios::binary) << "RIFF";
    headless_add_host_folder(u"\\vorlen\\Sound", folder.string());
    std::filesystem::remove_all(folder);
    HANDLE file = open(u"\\vorlen\\Sound\\a.wav", OPEN_EXISTING);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    char text[5] = {};
    DWORD read = 0;
    ReadFile(file, text, 4, &read, nullptr);
    EXPECT_STREQ(text, "RIFF");
    CloseHandle(file);
}

TEST(HeadlessFiles, ModulePathIsCutToTheBufferAsOnTheDevice) {
    headless_reset();
    WCHAR path[MAX_PATH];
    EXPECT_EQ(GetModuleFileNameW(nullptr, path, MAX_PATH), 18u);
    EXPECT_EQ(std::u16string(path), u"\\vorlen\\vorlen.exe");
    headless_set_module_path(u"\\x\\game.exe");
    WCHAR small[5];
    EXPECT_EQ(GetModuleFileNameW(nullptr, small, 5), 5u);
    EXPECT_EQ(std::u16string(small), u"\\x\\g");
}
