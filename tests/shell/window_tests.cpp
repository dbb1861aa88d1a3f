// The window procedure's table, the input readers and full-screen mode.
#include <gtest/gtest.h>

#include "platform/headless/headless.h"
#include "shell/shell.h"

namespace {

// Power-on device and input state as start-up leaves it, with the device's key codes.
void start_fresh() {
    headless_reset();
    input_state = InputState{};
    input_state.tap_consumed = 1;
    input_state.keys = GXGetDefaultKeys(GX_NORMALKEYS);
    close_requested = 0;
    main_window = nullptr;
}

LRESULT send(UINT message, WPARAM w_param, LPARAM l_param) {
    return window_proc(main_window, message, w_param, l_param);
}

// Registers the class and creates the window as start-up does.
void open_window() {
    ASSERT_NE(register_window_class(nullptr), 0);
    ASSERT_EQ(create_main_window(nullptr, SW_SHOW), 1);
}

bool rect_is(RECT r, LONG left, LONG top, LONG right, LONG bottom) {
    return r.left == left && r.top == top && r.right == right && r.bottom == bottom;
}

}  // namespace

TEST(WindowProcTap, ReportedOnceAndTwoPenDownsGiveOneTapAtTheSecond) {
    start_fresh();
    EXPECT_FALSE(take_tap());
    EXPECT_EQ(send(WM_LBUTTONDOWN, 1, MAKELPARAM(10, 20)), 0);
    EXPECT_EQ(is_pen_down(), 1);
    send(WM_LBUTTONUP, 0, MAKELPARAM(10, 20));
    EXPECT_EQ(is_pen_down(), 0);
    send(WM_LBUTTONDOWN, 1, MAKELPARAM(200, 300));
    EXPECT_TRUE(take_tap());
    EXPECT_FALSE(take_tap());
    EXPECT_EQ(get_tap_x(), 200);
    EXPECT_EQ(get_tap_y(), 300);
}

TEST(WindowProcTap, StylusMovementMovesThePenOnlyAndHalvesAreUnsigned) {
    start_fresh();
    send(WM_LBUTTONDOWN, 1, MAKELPARAM(5, 6));
    send(WM_MOUSEMOVE, 1, MAKELPARAM(7, 8));
    EXPECT_EQ(get_tap_x(), 5);
    EXPECT_EQ(get_tap_y(), 6);
    EXPECT_EQ(get_pen_x(), 7);
    EXPECT_EQ(get_pen_y(), 8);
    send(WM_LBUTTONDOWN, 1, MAKELPARAM(-1, -2));  // off the left and top edges
    EXPECT_EQ(get_tap_x(), 65535);
    EXPECT_EQ(get_tap_y(), 65534);
    EXPECT_EQ(get_pen_x(), 7);
}

TEST(WindowProcKeys, LatchesHoldUntilReadAndDirectionsFollowTheKey) {
    start_fresh();
    send(WM_KEYDOWN, HEADLESS_VK_A, 0);
    send(WM_KEYUP, HEADLESS_VK_A, 0);
    send(WM_KEYDOWN, VK_LEFT, 0);
    EXPECT_TRUE(is_left_held());
    send(WM_KEYUP, VK_LEFT, 0);
    EXPECT_FALSE(is_left_held());
    EXPECT_TRUE(take_key_a());
    EXPECT_FALSE(take_key_a());
    for (UINT code : {HEADLESS_VK_B, HEADLESS_VK_C, HEADLESS_VK_START, VK_RIGHT, VK_UP, VK_DOWN})
        send(WM_KEYDOWN, code, 0);
    EXPECT_TRUE(take_key_b());
    EXPECT_TRUE(take_key_c());
    EXPECT_TRUE(take_key_start());
    EXPECT_TRUE(is_right_held() && is_up_held() && is_down_held());
    send(WM_KEYUP, VK_DOWN, 0);
    EXPECT_FALSE(is_down_held());
    EXPECT_TRUE(is_up_held());
}

TEST(WindowProcKeys, ACodeSharedByEntriesSetsEachAndCodesAreSigned16Bit) {
    start_fresh();
    input_state.keys.vkA = VK_LEFT;
    input_state.keys.vkStart = -1;
    send(WM_KEYDOWN, VK_LEFT, 0);
    EXPECT_TRUE(is_left_held());
    EXPECT_TRUE(take_key_a());
    send(WM_KEYDOWN, 0x1FFFF, 0);  // only the low 16 bits count: 0xFFFF is -1
    EXPECT_TRUE(take_key_start());
}

TEST(WindowProcScreen, ActivationLeavesAndReentersFullScreen) {
    start_fresh();
    open_window();
    EXPECT_TRUE(rect_is(headless_window_rect(), 0, 0, 240, 320));
    send(WM_ACTIVATE, WA_INACTIVE, 0);
    EXPECT_TRUE(rect_is(headless_window_rect(), 0, 26, 240, 294));
    EXPECT_TRUE(headless_taskbar_visible());
    size_t calls = headless_calls().size();
    send(WM_ACTIVATE, WA_CLICKACTIVE, 0);
    EXPECT_EQ(headless_calls().size(), calls);
    send(WM_ACTIVATE, WA_ACTIVE | 0x10000, 0);  // the high half (minimised flag) is ignored
    EXPECT_TRUE(rect_is(headless_window_rect(), 0, 0, 240, 320));
    EXPECT_FALSE(headless_taskbar_visible());
}

TEST(WindowProcScreen, CreateEnableAndSettingChangeForceFullScreenByARelativeMove) {
    start_fresh();
    open_window();
    set_full_screen(true);
    send(WM_SETTINGCHANGE, 0, 0);
    EXPECT_TRUE(rect_is(headless_window_rect(), 0, 0, 240, 320));
    send(WM_ENABLE, 1, 0);
    // The height passed is the old bottom plus 26, so the window now reaches 26 above the screen.
    EXPECT_TRUE(rect_is(headless_window_rect(), 0, -26, 240, 320));
    send(WM_CREATE, 0, 0);
    EXPECT_FALSE(headless_taskbar_visible());
    const std::vector<std::string> &calls = headless_calls();
    std::vector<std::string> last(calls.end() - 5, calls.end());
    EXPECT_EQ(last, (std::vector<std::string>{"GetWindowRect", "FindWindowW", "SHFullScreen", "ShowWindow",
                                              "MoveWindow"}));
}

TEST(WindowProcScreen, WithoutAWindowOnlyTheTaskBarChanges) {
    start_fresh();
    set_full_screen(false);
    EXPECT_FALSE(headless_taskbar_visible());
    set_full_screen(true);
    EXPECT_TRUE(headless_taskbar_visible());
}

TEST(WindowProcClose, DestroyPostsQuitAndAsksTheGameToEnd) {
    start_fresh();
    open_window();
    EXPECT_EQ(send(0x0400, 1, 2), 0);  // a message without an entry takes the default
    EXPECT_EQ(headless_calls().back(), "DefWindowProcW");
    EXPECT_EQ(close_requested, 0);
    headless_close();
    present_and_pump(false);
    EXPECT_FALSE(headless_window_alive());
    EXPECT_EQ(close_requested, 1);
    EXPECT_EQ(headless_queued_messages(), 0u);
    EXPECT_EQ(headless_frame_count(), 0);
}

TEST(WindowProcClose, AQuitMessageFromAnywhereAsksTheGameToEnd) {
    start_fresh();
    open_window();
    PostQuitMessage(0);
    EXPECT_EQ(close_requested, 0);
    present_and_pump(false);
    EXPECT_EQ(close_requested, 1);
    EXPECT_TRUE(headless_window_alive());
}

TEST(Pump, DeliversOnlyWhenCalledAndEmptiesTheQueue) {
    start_fresh();
    open_window();
    headless_tap(30, 40);
    headless_post(WM_KEYDOWN, HEADLESS_VK_B, 0);
    EXPECT_FALSE(take_tap());
    present_and_pump(false);
    EXPECT_TRUE(take_tap());
    EXPECT_EQ(get_tap_y(), 40);
    EXPECT_TRUE(take_key_b());
    EXPECT_EQ(headless_queued_messages(), 0u);
}
