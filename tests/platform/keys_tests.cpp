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

TEST(HostKeys, ArrowsLettersAndEnterAreTheHardwareKeysByTheirDeviceCodes) {
    GXKeyList device = GXGetDefaultKeys(0);
    const struct {
        unsigned host;  // Windows' virtual-key code
        short code;     // what the game is told
    } keys[] = {{0x26, device.vkUp}, {0x28, device.vkDown}, {0x25, device.vkLeft}, {0x27, device.vkRight},
                {'A', device.vkA},   {'B', device.vkB},     {'C', device.vkC},     {0x0D, device.vkStart}};
    for (const auto &key : keys)
        for (bool down : {true, false}) {
            SCOPED_TRACE(testing::Message() << "host key 0x" << std::hex << key.host << (down ? " down" : " up"));
            MSG msg = posted_by(key.host, down);
            EXPECT_EQ(msg.message, down ? UINT(WM_KEYDOWN) : UINT(WM_KEYUP));
            EXPECT_EQ(msg.wParam, WPARAM(key.code));
        }
}

TEST(HostKeys, OtherKeysPostNothing) {
    // Space, Escape, D (the next letter), lower-case a (not a virtual-key code), the device's
    // own code for A, which no host key sends, and a code beyond a byte.
    for (unsigned host : {0x20u, 0x1Bu, unsigned('D'), unsigned('a'), 0xC1u, 0x126u}) {
        SCOPED_TRACE(host);
        headless_reset();
        device_host_key(host, true);
        EXPECT_EQ(device_queue_size(), 0u);
    }
}
