// Texts of numbers: the hh:mm:ss clock and a decimal integer.
#include "shell/shell.h"

namespace {

const int MAX_CLOCK_HOURS = 99;    // beyond this the clock reads 88:88:88
const int OVERFLOW_FIELD = 88;
const int SECONDS_PER_HOUR = 3600;
const int MAX_DIGITS = 10;         // an int has at most ten decimal digits

// Writes a two-digit field, tens then units, and returns the next free byte.
char *write_field(char *out, int value) {
    out[0] = char('0' + value / 10);
    out[1] = char('0' + value % 10);
    return out + 2;
}

}  // namespace

// A negative time reads 00:00:00 rather than bytes that are not digits.
void format_clock(int seconds, char *out) {
    if (seconds < 0) seconds = 0;
    int hours = seconds / SECONDS_PER_HOUR;
    int minutes = (seconds / 60) % 60;
    int rest = seconds % 60;
    if (hours > MAX_CLOCK_HOURS) hours = minutes = rest = OVERFLOW_FIELD;
    out = write_field(out, hours);
    *out++ = ':';
    out = write_field(out, minutes);
    *out++ = ':';
    out = write_field(out, rest);
    *out = 0;
}

// Every digit is written, the most negative int included: the magnitude is taken unsigned.
void format_int(int value, char *out) {
    uint32_t magnitude = value < 0 ? 0u - uint32_t(value) : uint32_t(value);
    if (value < 0) *out++ = '-';
    char digits[MAX_DIGITS];
    int count = 0;
    do {
        digits[count++] = char('0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude > 0);
    while (count > 0) *out++ = digits[--count];
    *out = 0;
}
