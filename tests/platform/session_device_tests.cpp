// The session player and recorder every device shares: files refused with the reason, a
// recording whose writes fail stopped with one warning and left recognisably incomplete, a
// clean stop closed with the end line, a session whose next line never comes due given up,
// and an unpaced session played without real pauses.
#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "platform/common/display.h"
#include "platform/common/session_device.h"
#include "platform/common/windows.h"
#include "platform/headless/headless.h"
#include "tests/test_support.h"

namespace {

namespace fs = std::filesystem;

const PrivateFolder folder("vorlen-session-device-");

// A file of the folder holding the text; its path.
std::string written(const std::string &name, const std::string &text) {
    std::ofstream(folder.file(name), std::ios::binary) << text;
    return folder.file(name);
}

// What reading the file gives: the error, or "" when it is read.
std::string read_error(const std::string &path) {
    Session session;
    std::string error;
    int read = device_session_read_file(path, &session, &error);
    EXPECT_EQ(read, error.empty() ? 1 : 0);
    return error;
}

TEST(SessionFile, AFileThatIsNoSessionIsRefusedSayingWhy) {
    EXPECT_EQ(read_error(""), "no file is named (the value is empty)");
    EXPECT_EQ(read_error(folder.file("missing.session")), "there is no such file");
    EXPECT_EQ(read_error(folder.path.string()), "it is a folder, not a session file");
    std::string big = written("big.session", SESSION_HEADER "\n");
    fs::resize_file(big, SESSION_MAX_BYTES + 1);
    EXPECT_EQ(read_error(big), "it is too large: 67108865 bytes, and a session holds at most 67108864 (64 MiB)");
    EXPECT_EQ(read_error(written("bad.session", SESSION_HEADER "\ndisplay \x1b[2J\n")),
              "line 2: unknown display layout '\\x1b[2J' (the layouts are packed, padded, rotated, grey4, grey2)");
    EXPECT_EQ(read_error(written("good.session", SESSION_HEADER "\n1 close\nend\n")), "");
}

// Starts recording into a stream, the display packed.
void record_into(std::FILE *stream) {
    device_windows_reset();
    device_choose_layout("packed");
    device_session_record_into(stream, "rec\x1b.session", 0);
}

TEST(SessionWriter, AWriteThatFailsWarnsOnceAndStopsTheRecording) {
    // A stream open only for reading refuses every write: the header's already.
    std::string path = written("read-only.session", "");
    testing::internal::CaptureStderr();
    record_into(std::fopen(path.c_str(), "rb"));
    EXPECT_FALSE(device_session_recording());
    device_session_clock(5);
    device_post(WM_LBUTTONDOWN, 1, 0);
    device_session_look_end();
    device_session_stop();
    std::string warned = testing::internal::GetCapturedStderr();
    if (!stderr_capturable()) return;
    EXPECT_EQ(warned.substr(0, 48), "vorlen: VORLEN_RECORD 'rec\\x1b.session': cannot ");
    EXPECT_EQ(warned.find('\n'), warned.size() - 1) << warned;  // one line
}

TEST(SessionWriter, ACleanStopEndsTheFileWithItsEndLine) {
    std::string path = folder.file("clean.session");
    record_into(std::fopen(path.c_str(), "wb"));
    device_session_look_begin();
    device_post(WM_LBUTTONDOWN, 1, MAKELPARAM(3, 4));
    device_session_look_end();
    device_session_clock(20);
    device_session_stop();
    EXPECT_EQ(file_text(path), SESSION_HEADER "\ndisplay packed\nstart 0\nstep 0\n0 down 3 4\n0 clock 20\nend\n");
}

#ifdef __GLIBC__
// A stream onto a disk with room for `room` bytes: writes beyond it fail as a full disk's do.
struct FullDisk {
    std::string written;
    size_t room;
};
ssize_t write_some(void *cookie, const char *bytes, size_t size) {
    FullDisk *disk = static_cast<FullDisk *>(cookie);
    size_t fits = std::min(size, disk->room - disk->written.size());
    disk->written.append(bytes, fits);
    if (fits < size) errno = ENOSPC;
    return fits == 0 ? -1 : ssize_t(fits);
}

TEST(SessionWriter, AFullDiskLeavesAFileTheReaderKnowsIsCut) {
    FullDisk disk{"", 66};
    testing::internal::CaptureStderr();
    record_into(fopencookie(&disk, "w", cookie_io_functions_t{nullptr, write_some, nullptr, nullptr}));
    for (uint32_t tick = 1; tick < 20; ++tick) device_session_clock(tick * 1000);
    device_session_stop();
    std::string warned = testing::internal::GetCapturedStderr();
    EXPECT_NE(warned.find("(No space left on device); the recording stops here, without its end line\n"),
              std::string::npos) << warned;
    EXPECT_FALSE(device_session_recording());
    EXPECT_EQ(disk.written.size(), 66u);
    Session session;
    std::string error;
    ASSERT_EQ(session_parse(disk.written, &session, &error), 1) << error;
    EXPECT_EQ(session.cut_line, 6);  // "0 clock 1000" went whole; "1000 clock 2000" was cut
    EXPECT_EQ(session.lines.size(), 1u);
    EXPECT_FALSE(session.ended);
}
#endif

// Plays a session's text on the test device.
void play(const std::string &text, bool paced) {
    Session session;
    std::string error;
    ASSERT_EQ(session_parse(text, &session, &error), 1) << error;
    device_windows_reset();
    device_session_play(std::move(session), "test", paced);
}

TEST(SessionPlayer, ASessionWhoseNextLineNeverComesIsGivenUpAndTheInputHandedBack) {
    play(SESSION_HEADER "\ndisplay grey4\n0+4294967295 close\n", true);
    EXPECT_STREQ(device_layout_name(), "grey4");
    EXPECT_FALSE(device_session_takes_host_input());
    testing::internal::CaptureStderr();
    for (int frame = 0; frame < SESSION_IDLE_FRAMES; ++frame) {
        device_session_look_end();
        device_session_frame();
    }
    std::string warned = testing::internal::GetCapturedStderr();
    EXPECT_TRUE(device_session_takes_host_input());
    if (stderr_capturable()) {
        EXPECT_EQ(warned, "vorlen: VORLEN_REPLAY 'test': no line came due in 20000 frames; the last 1 lines are not "
                          "played and the input is the person's again\n");
    }
    EXPECT_EQ(device_queue_size(), 0u);
    device_session_stop();
}

TEST(SessionPlayer, AnUnpacedSessionSleepsOnlyOnItsClockUntilItHasAllHappened) {
    play(SESSION_HEADER "\nstart 10\nstep 0\n100 close\n", false);
    EXPECT_EQ(device_session_sleep(50), 0);
    EXPECT_EQ(device_session_clock(999), 60u);  // the session's clock, not the host's
    EXPECT_EQ(device_session_sleep(50), 0);
    device_session_look_end();
    EXPECT_EQ(device_queue_size(), 1u);  // the close at 110
    EXPECT_EQ(device_session_sleep(50), 1);
    EXPECT_EQ(device_session_time(999), 160u);
    device_session_stop();
    EXPECT_EQ(device_session_clock(999), 999u);
    play(SESSION_HEADER "\n100 close\n", true);
    EXPECT_EQ(device_session_sleep(50), 1);
    device_session_stop();
}

}  // namespace
