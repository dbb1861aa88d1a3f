// The tick clock across the wrap of the tick count, and the number texts.
#include <gtest/gtest.h>

#include <climits>
#include <cstring>

#include "platform/headless/headless.h"
#include "shell/shell.h"

TEST(TickClock, MeasuresAcrossTheWrapAndBusyWaitsEnd) {
    headless_reset();
    headless_set_time(0xFFFFFFF0u);
    mark_time();                  // reads 0xFFFFFFF0
    headless_advance_time(0x1F);  // the clock has wrapped past 2^32
    EXPECT_EQ(ms_since_mark(), 0x20);
    mark_time();
    int reads = 0;
    while (ms_since_mark() < 30) ++reads;
    EXPECT_EQ(reads, 29);
}

TEST(Format, ClockFieldsWithTheOverflowTextAndEveryDigitOfAnInt) {
    const struct {
        void (*format)(int, char *);
        int value;
        const char *text;
    } cases[] = {
        {format_clock, 0, "00:00:00"},        {format_clock, 3599, "00:59:59"},    {format_clock, 3661, "01:01:01"},
        {format_clock, 359999, "99:59:59"},   {format_clock, 360000, "88:88:88"},  {format_clock, INT_MAX, "88:88:88"},
        {format_clock, -5, "00:00:00"},       {format_int, 0, "0"},                {format_int, 7, "7"},
        {format_int, -42, "-42"},             {format_int, 100, "100"},            {format_int, 123456789, "123456789"},
        {format_int, INT_MAX, "2147483647"},  {format_int, INT_MIN, "-2147483648"},
    };
    for (const auto &c : cases) {
        char out[13];
        std::memset(out, 'x', sizeof out);
        c.format(c.value, out);
        EXPECT_STREQ(out, c.text) << c.value;
        EXPECT_EQ(out[12], 'x');  // the bytes promised are enough
    }
}
