// The desktop devices' choices from the environment: the display layout by name and the scale.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "platform/common/desktop.h"
#include "platform/common/display.h"

namespace {

// Sets an environment variable on every host (putenv keeps the text, so it must live on).
void set_variable(std::string *text) { putenv(text->data()); }

}  // namespace

TEST(Environment, DisplayLayoutAndScaleAreChosenByNameWithDefaultsForTheRest) {
    static std::string grey2 = "VORLEN_DISPLAY=grey2", unknown = "VORLEN_DISPLAY=colour",
                       three = "VORLEN_SCALE=3", nine = "VORLEN_SCALE=9";
    set_variable(&grey2);
    device_layout_from_environment();
    GXDisplayProperties chosen = device_display_properties();
    EXPECT_TRUE(chosen.cBPP == 2 && chosen.cbyPitch == 60);
    set_variable(&unknown);
    device_layout_from_environment();
    chosen = device_display_properties();
    EXPECT_TRUE(chosen.cBPP == 16 && chosen.cbxPitch == 2 && chosen.cbyPitch == 480);

    set_variable(&three);
    EXPECT_EQ(device_scale_from_environment(240, 320), 3);
    set_variable(&nine);  // out of range: the fit, at least 1 and at most 8
    EXPECT_EQ(device_scale_from_environment(959, 1280), 3);
    EXPECT_EQ(device_scale_from_environment(100, 100), 1);
    EXPECT_EQ(device_scale_from_environment(100000, 100000), DEVICE_MAX_SCALE);
}
