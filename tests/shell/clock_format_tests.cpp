// The tick clock across the wrap of the tick count, and the number texts.
#include <gtest/gtest.h>

#include <climits>
#include <cstring>

#include "platform/headless/headless.h"
#include "shell/shell.h"

TEST(TickClock, MeasuresAcrossTheWrapAndBusyWaitsEnd) {
    headless_reset();
    headless_set_time(0xFFFFFFF0u);
    mark_time();                   // reads 0xFFFFFFF0
    headless_advance_time(0x1F);   // the clock has wrapped past 2^32
    EXPECT_EQ(ms_since_mark(), 0x20);
    mark_time();
    int reads = 0;
    while (ms_since_mark() < 30) ++reads;
    EXPECT_EQ(reads, 29);
    uint32_t now = headless_time();
    EXPECT_EQ(get_ticks(), now);
}

TEST(FormatClock, FieldsAndTheOverflowText) {
    char out[9];
    const std::pair<int, const char *> cases[] = {
        {0, "00:00:00"}, {3599, "00:59:59"}, {3661, "01:01:01"}, {359999, "99:59:59"},
        {360000, "88:88:88"}, {INT_MAX, "88:88:88"}, {-5, "00:00:00"}};
    for (const auto &c : cases) {
        std::memset(out, 'x', sizeof out);
        format_clock(c.first, out);
        EXPECT_STREQ(out, c.second) << c.first;
    }
}

TEST(FormatInt, EveryDigitOfEveryValue) {
    const std::pair<int, const char *> cases[] = {
        {0, "0"}, {7, "7"}, {-42, "-42"}, {100, "100"}, {123456789, "123456789"},
        {INT_MAX, "2147483647"}, {INT_MIN, "-2147483648"}};
    for (const auto &c : cases) {
        char out[13];
        std::memset(out, 'x', sizeof out);
        format_int(c.first, out);
        EXPECT_STREQ(out, c.second) << c.first;
        EXPECT_EQ(out[12], 'x');  // the twelve bytes promised are enough
    }
}
