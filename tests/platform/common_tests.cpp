// What the devices share and a browser cannot be asked about in a unit test: where the picture
// lies in a host's view and which device pixel a position falls on, the stylus's pen messages
// from a host pointer, and the picture spread to 8-bit channels.
#include <gtest/gtest.h>

#include <vector>

#include "platform/common/change.h"
#include "platform/common/fit.h"
#include "platform/common/scanout.h"
#include "platform/common/stylus.h"
#include "platform/headless/headless.h"

namespace {

// Every message waiting in the device's queue, taken out, as (message, x, y).
struct Pen {
    UINT message;
    int x, y;
    bool operator==(const Pen &o) const { return message == o.message && x == o.x && y == o.y; }
};
std::vector<Pen> take_messages() {
    std::vector<Pen> taken;
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
        taken.push_back(Pen{msg.message, LOWORD(msg.lParam), HIWORD(msg.lParam)});
    return taken;
}

}  // namespace

TEST(DeviceFit, WholeFactorOnOrdinaryScreensFillOnDenseOnesExactFitWhenTooSmall) {
    struct Case {
        const char *what;
        double width, height, ratio;
        double left, top, picture_w, picture_h;  // expected, in screen pixels
    };
    const Case cases[] = {
        {"desktop: twice, centred", 1280, 720, 1, 400, 40, 480, 640},
        {"zoomed desktop: 4 screen pixels a pixel, whole margins", 1000, 1000, 1.5, 270, 110, 960, 1280},
        {"portrait phone: edge to edge across", 390, 844, 3, 0, 486, 1170, 1560},
        {"landscape phone: edge to edge down", 844, 390, 3, 827, 0, 877.5, 1170},
        {"smaller than the picture: shrunk to fit", 200, 200, 1, 25, 0, 150, 200},
        {"1.25 times the picture: once", 400, 400, 1, 80, 40, 240, 320},
        {"1.875 times: filled rather than left at once", 900, 600, 1, 225, 0, 450, 600},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        DeviceFit fit = device_fit(c.width, c.height, c.ratio);
        EXPECT_NEAR(fit.left * c.ratio, c.left, 1e-9);
        EXPECT_NEAR(fit.top * c.ratio, c.top, 1e-9);
        EXPECT_NEAR(fit.width * c.ratio, c.picture_w, 1e-9);
        EXPECT_NEAR(fit.height * c.ratio, c.picture_h, 1e-9);
    }
    EXPECT_EQ(device_whole_scale(239, 1000), 0);
    EXPECT_EQ(device_whole_scale(480, 960), 2);
    EXPECT_EQ(device_whole_scale(0, 0), 0);
}

TEST(DeviceFit, PositionsMapToDevicePixelsAndOffThePictureStayOff) {
    DeviceFit fit = device_fit(1280, 720, 1);  // 480 x 640 at (400, 40)
    auto at = [&](double x, double y) {
        POINT p = device_pixel_at(fit, x, y);
        return std::make_pair(int(p.x), int(p.y));
    };
    EXPECT_EQ(at(400, 40), std::make_pair(0, 0));
    EXPECT_EQ(at(401.9, 41.9), std::make_pair(0, 0));
    EXPECT_EQ(at(402, 42), std::make_pair(1, 1));
    EXPECT_EQ(at(879.9, 679.9), std::make_pair(239, 319));
    EXPECT_EQ(at(880, 680), std::make_pair(240, 320));
    EXPECT_EQ(at(399.5, 300), std::make_pair(-1, 130));
    EXPECT_EQ(at(-1e9, 1e9), std::make_pair(-1, 320));
    // The phone's fit: a tap at the middle of its width is the picture's middle column.
    DeviceFit phone = device_fit(390, 844, 3);
    POINT middle = device_pixel_at(phone, 195, 162 + 260);
    EXPECT_EQ(middle.x, 120);
    EXPECT_EQ(middle.y, 160);
    // Before the picture has a place nothing lies on it.
    POINT none = device_pixel_at(DeviceFit{0, 0, 0, 0}, 10, 10);
    EXPECT_EQ(none.x, -1);
}

TEST(DeviceStylus, PressOnThePictureMovesWhileDownLiftClampedAnywhere) {
    headless_reset();
    device_stylus_press(-1, 100);   // in the letterbox: ignored
    device_stylus_move(10, 10);     // not down: ignored
    device_stylus_release(10, 10);  // not down: ignored
    EXPECT_TRUE(take_messages().empty());
    device_stylus_press(10, 20);
    device_stylus_move(30, 40);
    device_stylus_move(250, 40);    // off the picture: not reported
    device_stylus_release(300, -5); // lifted off it: at the nearest edge
    device_stylus_release(30, 40);  // already up
    std::vector<Pen> expected{{WM_LBUTTONDOWN, 10, 20}, {WM_MOUSEMOVE, 30, 40}, {WM_LBUTTONUP, 239, 0}};
    EXPECT_EQ(take_messages(), expected);
    EXPECT_FALSE(device_stylus_is_down());
}

TEST(PartToRgba, ChannelsWidenToFullRangeAlphaIsOpaqueAndAPartsRowsFollowOneAnother) {
    std::vector<uint16_t> picture(size_t(DEVICE_DISPLAY_WIDTH) * DEVICE_DISPLAY_HEIGHT, 0);
    picture[0] = 0xFFFF;
    picture[1] = 0xF800;
    picture[2] = 0x07E0;
    picture[3] = 0x8410;  // the middle grey: 16, 32, 16 of 31, 63, 31
    std::vector<uint8_t> rgba(picture.size() * 4, 7);
    part_to_rgba(picture.data(), WHOLE_PICTURE, rgba.data());
    std::vector<uint8_t> first(rgba.begin(), rgba.begin() + 20);
    std::vector<uint8_t> expected{255, 255, 255, 255, 255, 0, 0, 255, 0, 255, 0, 255, 132, 130, 132, 255, 0, 0, 0, 255};
    EXPECT_EQ(first, expected);
    EXPECT_EQ(rgba.back(), 255);

    // Columns 2..3 of rows 0..1: four pixels, and nothing written past them.
    picture[240 + 2] = 0x001F;
    std::fill(rgba.begin(), rgba.end(), 7);
    part_to_rgba(picture.data(), PixelRect{2, 0, 4, 2}, rgba.data());
    std::vector<uint8_t> part(rgba.begin(), rgba.begin() + 17);
    EXPECT_EQ(part, (std::vector<uint8_t>{0, 255, 0, 255, 132, 130, 132, 255, 0, 0, 255, 255, 0, 0, 0, 255, 7}));
}

TEST(ChangedRect, HoldsEveryChangedPixelAndNoMore) {
    std::vector<uint16_t> before(240 * 320, 0x1234), after = before;
    auto expect_rect = [&](PixelRect want, const char *what) {
        PixelRect got = changed_rect(before.data(), after.data());
        EXPECT_TRUE(got.left == want.left && got.top == want.top && got.right == want.right &&
                    got.bottom == want.bottom)
            << what << ": " << got.left << "," << got.top << " - " << got.right << "," << got.bottom;
    };
    EXPECT_TRUE(rect_is_empty(changed_rect(before.data(), after.data())));
    after[0] = 1;
    expect_rect({0, 0, 1, 1}, "the first pixel");
    after[0] = before[0];
    after[240 * 320 - 1] = 1;
    expect_rect({239, 319, 240, 320}, "the last pixel");
    after[240 * 10 + 200] = 1;  // rows 10 and 319, columns 200 to 239
    after[240 * 50 + 30] = 1;   // a middle row reaching further left
    expect_rect({30, 10, 240, 320}, "three pixels");
    after = before;
    for (int y = 40; y < 200; ++y) after[size_t(y) * 240 + size_t(y)] = 7;  // a diagonal
    expect_rect({40, 40, 200, 200}, "a diagonal");
}
