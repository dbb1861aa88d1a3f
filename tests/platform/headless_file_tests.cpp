// The test device's in-memory files and the host folders it copies in. The module path is met
// through the sound module's folder tests.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "platform/headless/headless.h"
#include "tests/test_support.h"

namespace {

// Opens an existing device file for reading.
HANDLE open(const char16_t *path) {
    return CreateFileW(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL,
                       nullptr);
}

// Reads up to `size` bytes into `buffer`; returns the count read, or -1 when refused.
long read(HANDLE file, void *buffer, DWORD size) {
    DWORD count = 99;
    return ReadFile(file, buffer, size, &count, nullptr) ? long(count) : -1;
}

}  // namespace

TEST(HeadlessFiles, ReadsInPiecesUpToTheEndWithoutMindingCaseAndFromHostFolders) {
    headless_reset();
    headless_add_file(u"\\vorlen\\Graph\\board.tga", {1, 2, 3, 4, 5});
    HANDLE file = open(u"\\VORLEN\\graph\\Board.TGA");
    EXPECT_EQ(headless_open_file_count(), 1);
    uint8_t buffer[8] = {};
    EXPECT_EQ(read(file, buffer, 3), 3);
    EXPECT_EQ(read(file, buffer + 3, 8), 2);
    EXPECT_EQ(buffer[4], 5);
    CloseHandle(file);
    EXPECT_EQ(CreateFileW(u"\\vorlen\\Graph\\board.tga", 0, 0, nullptr, OPEN_EXISTING, 0, nullptr), INVALID_HANDLE_VALUE);
    {
        PrivateFolder folder("vorlen-headless-files-");
        std::ofstream(folder.file("a.wav"), std::ios::binary) << "RIFF";
        headless_add_host_folder(u"\\vorlen\\Sound", folder.path.string());
    }  // the folder is gone: the device keeps its own copy
    char text[5] = {};
    EXPECT_EQ(read(open(u"\\vorlen\\Sound\\a.wav"), text, 4), 4);
    EXPECT_STREQ(text, "RIFF");
}
