// The desktop devices' display layout chosen through the environment (the scale is met by the
// SDL device's tests).
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "platform/common/desktop.h"
#include "platform/common/display.h"
#include "tests/test_support.h"

namespace {

// Sets VORLEN_DISPLAY, or removes it when null, on every host (Windows' C runtime has no
// unsetenv; putenv keeps the text, so it must live on), and chooses the layout from it; what the
// choice writes to the standard error, where the host lets it be read.
std::string choose_with(const char *value) {
    static std::string setting;
    setting = std::string("VORLEN_DISPLAY=") + (value ? value : "");
#ifdef _WIN32
    _putenv(setting.c_str());
#else
    if (value)
        putenv(setting.data());
    else
        unsetenv("VORLEN_DISPLAY");
#endif
    bool capturable = stderr_capturable();
    if (capturable) testing::internal::CaptureStderr();
    device_layout_from_environment();
    return capturable ? testing::internal::GetCapturedStderr() : "";
}

}  // namespace

TEST(Environment, TheLayoutIsChosenByNameAndAnUnknownOrNoNameGivesPacked) {
    EXPECT_EQ(choose_with("grey2"), "");
    GXDisplayProperties chosen = device_display_properties();
    EXPECT_TRUE(chosen.cBPP == 2 && chosen.cbyPitch == 60);
    std::string warned = choose_with("colour");
    chosen = device_display_properties();
    EXPECT_TRUE(chosen.cBPP == 16 && chosen.cbxPitch == 2 && chosen.cbyPitch == 480);
    if (stderr_capturable()) {
        EXPECT_EQ(warned, "vorlen: unknown VORLEN_DISPLAY 'colour' (the layouts are packed, padded, rotated, grey4, "
                          "grey2), using packed\n");
    }
    choose_with("grey4");
    EXPECT_EQ(choose_with(nullptr), "");
    chosen = device_display_properties();
    EXPECT_TRUE(chosen.cBPP == 16 && chosen.cbxPitch == 2 && chosen.cbyPitch == 480) << "unset: packed";
}
