// The test device's windows and message queue: creation sends WM_CREATE and only the pump
// delivers. The close request and the quit message are met through the shell's tests.
#include <gtest/gtest.h>

#include "platform/headless/headless.h"

namespace {

std::vector<UINT> received;  // messages the test window's procedure has seen, in order

// A window procedure that records each message and leaves the rest to the default.
LRESULT CALLBACK recording_proc(HWND window, UINT message, WPARAM w_param, LPARAM l_param) {
    received.push_back(message);
    if (message == WM_DESTROY) PostQuitMessage(3);
    return DefWindowProcW(window, message, w_param, l_param);
}

// Registers the recording class and creates the game's window with it.
HWND create_test_window() {
    received.clear();
    WNDCLASS window_class{};
    window_class.lpfnWndProc = recording_proc;
    window_class.lpszClassName = u"vorlen";
    EXPECT_NE(RegisterClassW(&window_class), 0);
    return CreateWindowExW(WS_EX_TOPMOST, u"vorlen", u"vorlen", WS_VISIBLE, 0, 0, 240, 320, nullptr,
                           nullptr, nullptr, nullptr);
}

// Dispatches every waiting message; returns the messages fetched.
std::vector<UINT> pump() {
    std::vector<UINT> fetched;
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        fetched.push_back(msg.message);
        DispatchMessageW(&msg);
    }
    return fetched;
}

}  // namespace

TEST(HeadlessWindow, CreationSendsCreateAndQueuedInputWaitsForThePump) {
    headless_reset();
    HWND window = create_test_window();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(received, (std::vector<UINT>{WM_CREATE}));
    headless_tap(17, 300);
    EXPECT_EQ(received.size(), 1u);
    EXPECT_EQ(device_queue_size(), 2u);
    MSG msg;
    ASSERT_TRUE(PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE));
    EXPECT_EQ(msg.hwnd, window);
    EXPECT_EQ(msg.lParam, MAKELPARAM(17, 300));
    EXPECT_EQ(GetMessageW(&msg, nullptr, 0, 0), TRUE);
    EXPECT_EQ(msg.message, UINT(WM_LBUTTONDOWN));
    EXPECT_EQ(pump(), (std::vector<UINT>{WM_LBUTTONUP}));
    EXPECT_EQ(received, (std::vector<UINT>{WM_CREATE, WM_LBUTTONUP}));
    EXPECT_EQ(GetMessageW(&msg, nullptr, 0, 0), -1);  // an empty queue never hangs a test
}
