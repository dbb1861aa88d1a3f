// The host keys that stand for the hardware keys (Windows' virtual-key codes, which a browser's
// key codes repeat): each posts the key message carrying the code GXGetDefaultKeys names for
// its hardware key, down and up alike; every other key posts nothing.
#include <gtest/gtest.h>

#include "platform/common/keys.h"
#include "platform/common/windows.h"
#include "platform/headless/headless.h"

namespace {

// The one message the host key posts, or message 0 when it posts none (or more than one).
MSG posted_by(unsigned host_key, bool down) {
    headless_reset();
    device_host_key(host_key, down);
    MSG msg{}, extra{};
    if (!PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE) || PeekMessageW(&extra, nullptr, 0, 0, PM_REMOVE))
        msg.message = 0;
    return msg;
}

}  // namespace

TEST(HostKeys, ArrowsLettersAndEnterAreTheHardwareKeysByTheirDeviceCodesAndOtherKeysPostNothing) {
    GXKeyList device = GXGetDefaultKeys(0);
    const struct {
        unsigned host;  // Windows' virtual-key code
        short code;     // what the game is told; 0: nothing is posted
    } keys[] = {{0x26, device.vkUp}, {0x28, device.vkDown}, {0x25, device.vkLeft}, {0x27, device.vkRight},
                {'A', device.vkA},   {'B', device.vkB},     {'C', device.vkC},     {0x0D, device.vkStart},
                // Space, Escape, D (the next letter), lower-case a (not a virtual-key code), the
                // device's own code for A, which no host key sends, and a code beyond a byte.
                {0x20, 0}, {0x1B, 0}, {'D', 0}, {'a', 0}, {0xC1, 0}, {0x126, 0}};
    for (const auto &key : keys)
        for (bool down : {true, false}) {
            SCOPED_TRACE(testing::Message() << "host key 0x" << std::hex << key.host << (down ? " down" : " up"));
            MSG msg = posted_by(key.host, down);
            EXPECT_EQ(msg.message, !key.code ? 0u : down ? UINT(WM_KEYDOWN) : UINT(WM_KEYUP));
            EXPECT_EQ(msg.wParam, WPARAM(key.code));
        }
}
