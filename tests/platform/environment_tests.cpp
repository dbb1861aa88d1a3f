// The desktop devices' display layout chosen through the environment (the scale is met by the
// SDL device's tests).
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "platform/common/desktop.h"
#include "platform/common/display.h"

namespace {

// Sets an environment variable on every host (putenv keeps the text, so it must live on).
void set_variable(std::string *text) { putenv(text->data()); }

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
}
