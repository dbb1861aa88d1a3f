// The window procedure's table, the input readers and full-screen mode.
#include <gtest/gtest.h>

#include "platform/headless/headless.h"
#include "shell/shell.h"

namespace {

// Power-on device and input state as start-up leaves it, with the device's key codes; with a
// window registered and created as start-up does when `windowed`.
void start_fresh(bool windowed) {
    headless_reset();
    input_state = InputState{};
    input_state.tap_consumed = 1;
    input_state.keys = GXGetDefaultKeys(GX_NORMALKEYS);
    close_requested = 0;
    main_window = nullptr;
    if (windowed) {
        ASSERT_TRUE(register_window_class(nullptr) != 0 && create_main_window(nullptr, SW_SHOW) == 1);
    }
}

LRESULT send(UINT message, WPARAM w_param, LPARAM l_param) { return window_proc(main_window, message, w_param, l_param); }

// The window's rectangle as left, top, right, bottom.
std::vector<LONG> window_rect() {
    RECT r = device_window_rect();
    return {r.left, r.top, r.right, r.bottom};
}

}  // namespace

TEST(WindowProc, TapsAreReportedOnceAtTheLastPenDownAndMovesMoveOnlyThePen) {
    start_fresh(false);
    EXPECT_FALSE(take_tap());
    EXPECT_EQ(send(WM_LBUTTONDOWN, 1, MAKELPARAM(10, 20)), 0);
    EXPECT_EQ(is_pen_down(), 1);
    send(WM_LBUTTONUP, 0, MAKELPARAM(10, 20));
    EXPECT_EQ(is_pen_down(), 0);
    send(WM_LBUTTONDOWN, 1, MAKELPARAM(200, 300));
    send(WM_MOUSEMOVE, 1, MAKELPARAM(7, 8));
    EXPECT_TRUE(take_tap() && !take_tap());
    EXPECT_EQ(get_tap_x() * 1000 + get_tap_y(), 200300);
    EXPECT_EQ(get_pen_x() * 1000 + get_pen_y(), 7008);
    send(WM_LBUTTONDOWN, 1, MAKELPARAM(-1, -2));  // off the left and top edges: the halves are unsigned
    EXPECT_EQ(get_tap_x(), 65535);
    EXPECT_EQ(get_tap_y(), 65534);
    EXPECT_EQ(get_pen_x(), 7);
}

TEST(WindowProc, KeyLatchesHoldUntilReadAndDirectionsFollowTheKey) {
    start_fresh(false);
    send(WM_KEYDOWN, DEVICE_VK_A, 0);
    send(WM_KEYUP, DEVICE_VK_A, 0);
    EXPECT_TRUE(take_key_a());
    EXPECT_FALSE(take_key_a());
    for (UINT code : {DEVICE_VK_B, DEVICE_VK_C, DEVICE_VK_START, VK_RIGHT, VK_UP, VK_DOWN}) send(WM_KEYDOWN, code, 0);
    EXPECT_TRUE(take_key_b() && take_key_c() && take_key_start());
    EXPECT_TRUE(is_right_held() && is_up_held() && is_down_held());
    send(WM_KEYUP, VK_DOWN, 0);
    EXPECT_TRUE(!is_down_held() && is_up_held());
    // A code shared by two entries sets each; codes are signed 16-bit.
    input_state.keys.vkA = VK_LEFT;
    input_state.keys.vkStart = -1;
    send(WM_KEYDOWN, VK_LEFT, 0);
    EXPECT_TRUE(is_left_held() && take_key_a());
    send(WM_KEYDOWN, 0x1FFFF, 0);  // only the low 16 bits count: 0xFFFF is -1
    EXPECT_TRUE(take_key_start());
}

TEST(WindowProc, ActivationLeavesAndReentersFullScreen) {
    start_fresh(true);
    EXPECT_EQ(window_rect(), (std::vector<LONG>{0, 0, 240, 320}));
    send(WM_ACTIVATE, WA_INACTIVE, 0);
    EXPECT_EQ(window_rect(), (std::vector<LONG>{0, 26, 240, 294}));
    EXPECT_TRUE(device_taskbar_visible());
    size_t calls = headless_calls().size();
    send(WM_ACTIVATE, WA_CLICKACTIVE, 0);
    EXPECT_EQ(headless_calls().size(), calls);
    send(WM_ACTIVATE, WA_ACTIVE | 0x10000, 0);  // the high half (minimised flag) is ignored
    EXPECT_EQ(window_rect(), (std::vector<LONG>{0, 0, 240, 320}));
    EXPECT_FALSE(device_taskbar_visible());
}

TEST(WindowProc, CreateEnableAndSettingChangeForceFullScreenByARelativeMove) {
    start_fresh(true);
    set_full_screen(true);
    send(WM_SETTINGCHANGE, 0, 0);
    EXPECT_EQ(window_rect(), (std::vector<LONG>{0, 0, 240, 320}));
    send(WM_ENABLE, 1, 0);
    // The height passed is the old bottom plus 26, so the window now reaches 26 above the screen.
    EXPECT_EQ(window_rect(), (std::vector<LONG>{0, -26, 240, 320}));
    send(WM_CREATE, 0, 0);
    EXPECT_FALSE(device_taskbar_visible());
    EXPECT_EQ(window_rect(), (std::vector<LONG>{0, -52, 240, 294}));  // moved once more
}

TEST(WindowProc, DestroyOrAQuitFromAnywhereAsksTheGameToEnd) {
    start_fresh(true);
    EXPECT_EQ(send(0x0400, 1, 2), 0);  // a message without an entry takes the default
    EXPECT_EQ(headless_calls().back(), "DefWindowProcW");
    PostQuitMessage(0);
    EXPECT_EQ(close_requested, 0);
    present_and_pump(false);
    EXPECT_EQ(close_requested, 1);
    EXPECT_TRUE(device_window_alive());
    close_requested = 0;
    headless_close();
    present_and_pump(false);
    EXPECT_FALSE(device_window_alive());
    EXPECT_EQ(close_requested, 1);
}
