// What the desktop devices share, on the test device's queue: the picture letterboxed into a
// window and clicks mapped back to device pixels, the mouse as stylus, and the layout and scale
// chosen through the environment.
#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

#include "platform/common/desktop.h"
#include "platform/common/display.h"
#include "platform/common/letterbox.h"
#include "platform/headless/headless.h"

namespace {

// Every queued message, as (message, x, y), emptying the queue.
struct Posted {
    UINT message;
    int x, y;
    bool operator==(const Posted &o) const { return message == o.message && x == o.x && y == o.y; }
};
std::vector<Posted> take_posted() {
    std::vector<Posted> posted;
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
        posted.push_back(Posted{msg.message, LOWORD(msg.lParam), HIWORD(msg.lParam)});
    return posted;
}

// Sets an environment variable on every host (putenv keeps the text, so it must live on).
void set_variable(std::string *text) { putenv(text->data()); }

}  // namespace

TEST(Letterbox, PictureTakesTheLargestWholeScaleCentredAndClicksMapBackFlooring) {
    EXPECT_EQ(device_fit_scale(720, 960), 3);
    EXPECT_EQ(device_fit_scale(959, 1279), 3);  // one pixel short of 4 either way
    EXPECT_EQ(device_fit_scale(100, 100), 1);   // never below 1
    EXPECT_EQ(device_fit_scale(100000, 100000), DEVICE_MAX_SCALE);

    PictureBox wide = device_picture_box(1000, 700);  // scale 2: 480 x 640, bars left and right
    EXPECT_EQ(wide.scale, 2);
    EXPECT_EQ(wide.x, 260);
    EXPECT_EQ(wide.y, 30);
    int x, y;
    device_picture_point(wide, 260, 30, &x, &y);
    EXPECT_TRUE(x == 0 && y == 0);
    device_picture_point(wide, 260 + 479, 30 + 639, &x, &y);
    EXPECT_TRUE(x == 239 && y == 319 && device_on_picture(x, y));
    device_picture_point(wide, 259, 29, &x, &y);  // one client pixel into the bars
    EXPECT_TRUE(x == -1 && y == -1 && !device_on_picture(x, y));
    device_picture_point(wide, 260 + 480, 30, &x, &y);
    EXPECT_FALSE(device_on_picture(x, y));

    PictureBox small = device_picture_box(200, 300);  // too small even at 1: anchored top left
    EXPECT_TRUE(small.scale == 1 && small.x == 0 && small.y == 0);
}

TEST(Stylus, PressesOnThePictureOnlyMovesWhileDownAndReleasesAtTheNearestPoint) {
    headless_reset();
    device_stylus_press(-1, 10);   // in the letterbox: no tap
    device_stylus_move(5, 5);      // not down: no movement
    device_stylus_release(5, 5);   // not down: no lift
    EXPECT_TRUE(take_posted().empty());

    device_stylus_press(10, 20);
    device_stylus_move(30, 40);
    device_stylus_move(300, 40);   // off the picture while down: dropped
    device_stylus_release(300, -5);
    std::vector<Posted> expected = {
        {WM_LBUTTONDOWN, 10, 20}, {WM_MOUSEMOVE, 30, 40}, {WM_LBUTTONUP, 239, 0}};
    EXPECT_EQ(take_posted(), expected);
}

TEST(Environment, DisplayLayoutAndScaleAreChosenByNameWithDefaultsForTheRest) {
    static std::string grey2 = "VORLEN_DISPLAY=grey2", unknown = "VORLEN_DISPLAY=colour",
                       packed = "VORLEN_DISPLAY=packed", three = "VORLEN_SCALE=3", nine = "VORLEN_SCALE=9";
    set_variable(&grey2);
    device_choose_layout();
    GXDisplayProperties chosen = device_display_properties();
    EXPECT_TRUE(chosen.cBPP == 2 && chosen.cbyPitch == 60);
    set_variable(&unknown);
    device_choose_layout();
    chosen = device_display_properties();
    EXPECT_TRUE(chosen.cBPP == 16 && chosen.cbxPitch == 2 && chosen.cbyPitch == 480);
    set_variable(&packed);

    set_variable(&three);
    EXPECT_EQ(device_choose_scale(240, 320), 3);
    set_variable(&nine);  // out of range: the fit
    EXPECT_EQ(device_choose_scale(480, 640), 2);
}
