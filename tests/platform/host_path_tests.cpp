// Host file names through UTF-16 and back: UTF-8 decoded as text, every other byte string
// carried through unchanged.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "platform/common/host_path.h"

namespace {

// Bytes to UTF-16 and back must give the same bytes.
void expect_round_trip(const std::string &bytes) {
    EXPECT_EQ(host_bytes_from_utf16(utf16_from_host_bytes(bytes)), bytes) << "bytes of length " << bytes.size();
}

}  // namespace

TEST(HostPath, WellFormedUtf8IsText) {
    EXPECT_EQ(utf16_from_host_bytes("/home/ann/vorlen"), u"/home/ann/vorlen");
    EXPECT_EQ(utf16_from_host_bytes("/tmp/\xc3\xa9t\xc3\xa9/\xf0\x9f\x8e\xb2"), u"/tmp/\u00e9t\u00e9/\U0001F3B2");
    EXPECT_EQ(host_bytes_from_utf16(u"/tmp/\u00e9t\u00e9/\U0001F3B2\uFFFD"), "/tmp/\xc3\xa9t\xc3\xa9/\xf0\x9f\x8e\xb2\xef\xbf\xbd");
    // Three-byte sequences from the smallest, U+0800 (lead byte 0xE0, whose second byte must be
    // 0xA0 or more), through U+0FFF: a Devanagari folder name among them.
    EXPECT_EQ(utf16_from_host_bytes("\xe0\xa0\x80"), u"\u0800");
    EXPECT_EQ(utf16_from_host_bytes("/\xe0\xa4\xb6\xe0\xa4\xbe\xe0\xa4\xb9/\xe0\xbf\xbf"), u"/\u0936\u093e\u0939/\u0fff");
    EXPECT_EQ(utf16_from_host_bytes("\xe0\x9f\xbf"), u"\xdce0\xdc9f\xdcbf");  // U+07FF overlong: escaped
    EXPECT_EQ(host_bytes_from_utf16(u"\u0800\u0fff"), "\xe0\xa0\x80\xe0\xbf\xbf");
}

TEST(HostPath, UndecodableBytesTravelAsLoneLowSurrogates) {
    // A Latin-1 folder name: 0xE9 followed by no continuation bytes.
    EXPECT_EQ(utf16_from_host_bytes("/caf\xe9-latin1/Graph"), u"/caf\xdce9-latin1/Graph");
    EXPECT_EQ(utf16_from_host_bytes("\xc0\xaf"), u"\xdcc0\xdcaf");             // an overlong '/'
    EXPECT_EQ(utf16_from_host_bytes("\xed\xa0\x80"), u"\xdced\xdca0\xdc80");   // an encoded surrogate
    EXPECT_EQ(utf16_from_host_bytes("\xf4\x90\x80\x80"), u"\xdcf4\xdc90\xdc80\xdc80");  // beyond U+10FFFF
    EXPECT_EQ(utf16_from_host_bytes("a\xe2\x82"), u"a\xdce2\xdc82");          // cut short at the end
}

TEST(HostPath, EveryByteStringComesBackByteForByte) {
    for (int b = 0; b < 256; ++b) expect_round_trip(std::string(1, char(b)) + "x" + std::string(2, char(b)));
    expect_round_trip("/caf\xe9-latin1/\xf0\x9f\x8e\xb2\xed\xbf\xbf\xff\xfe");
    // Short strings drawn from a fixed generator, weighted towards bytes that start or continue
    // sequences, so that every way a sequence can be cut or spoiled comes up.
    const char pool[] = {'a', '/', char(0x80), char(0xBF), char(0xC2), char(0xDF), char(0xE0), char(0xED),
                         char(0xEF), char(0xF0), char(0xF4), char(0xF5), char(0xA0), char(0x9F), char(0x8F), char(0xC0)};
    uint32_t state = 12345;
    for (int n = 0; n < 20000; ++n) {
        std::string bytes;
        for (int length = n % 9; length > 0; --length) {
            state = state * 214013u + 2531011u;
            bytes += pool[(state >> 16) % sizeof pool];
        }
        expect_round_trip(bytes);
    }
}
