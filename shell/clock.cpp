// The millisecond tick clock: the device's tick count and a mark to measure from.
#include "shell/shell.h"

namespace {
uint32_t time_mark = 0;  // the tick count at the last mark_time, milliseconds modulo 2^32
}

uint32_t get_ticks() { return GetTickCount(); }

void mark_time() { time_mark = GetTickCount(); }

// Unsigned subtraction keeps the difference right across the tick count's wrap at 2^32.
int32_t ms_since_mark() { return int32_t(uint32_t(GetTickCount() - time_mark)); }
