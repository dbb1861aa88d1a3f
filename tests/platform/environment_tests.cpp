// The desktop devices' display layout chosen through the environment (the scale is met by the
// SDL device's tests).
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "platform/common/desktop.h"
#include "platform/common/display.h"

namespace {

// Sets an environment variable on every host (putenv keeps the text, so it must live on).
void set_variable(std::string *text) { putenv(text->data()); }

// Removes VORLEN_DISPLAY from the environment (Windows' C runtime has no unsetenv).
void unset_display() {
#ifdef _WIN32
    _putenv("VORLEN_DISPLAY=");
#else
    unsetenv("VORLEN_DISPLAY");
#endif
}

// Whether this host lets a test read what the program writes to the standard error (the
// WebAssembly build under Node writes it past the file descriptors that capture it).
bool stderr_capturable() {
    testing::internal::CaptureStderr();
    std::fputs("?", stderr);
    return testing::internal::GetCapturedStderr() == "?";
}

// What choosing the layout from the environment writes to the standard error.
std::string warning_of_choice() {
    testing::internal::CaptureStderr();
    device_layout_from_environment();
    return testing::internal::GetCapturedStderr();
}

}  // namespace

TEST(Environment, TheDisplayLayoutIsChosenByNameAndAnUnknownNameGivesPacked) {
    static std::string grey2 = "VORLEN_DISPLAY=grey2", unknown = "VORLEN_DISPLAY=colour";
    set_variable(&grey2);
    device_layout_from_environment();
    GXDisplayProperties chosen = device_display_properties();
    EXPECT_TRUE(chosen.cBPP == 2 && chosen.cbyPitch == 60);
    set_variable(&unknown);
    device_layout_from_environment();
    chosen = device_display_properties();
    EXPECT_TRUE(chosen.cBPP == 16 && chosen.cbxPitch == 2 && chosen.cbyPitch == 480);
    static std::string grey4 = "VORLEN_DISPLAY=grey4";
    set_variable(&grey4);
    device_layout_from_environment();
    unset_display();
    device_layout_from_environment();
    chosen = device_display_properties();
    EXPECT_TRUE(chosen.cBPP == 16 && chosen.cbxPitch == 2 && chosen.cbyPitch == 480) << "unset: packed";
}

TEST(Environment, AnUnknownSettingIsWarnedAboutOnceAndNoSettingWithoutAWord) {
    if (!stderr_capturable()) GTEST_SKIP() << "the standard error cannot be read back on this host";
    static std::string unknown = "VORLEN_DISPLAY=colour";
    set_variable(&unknown);
    EXPECT_EQ(warning_of_choice(), "vorlen: unknown VORLEN_DISPLAY 'colour' (the layouts are packed, padded, rotated, grey4, grey2), using packed\n");
    unset_display();
    EXPECT_EQ(warning_of_choice(), "");
}
