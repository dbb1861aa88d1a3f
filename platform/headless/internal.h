// State shared by the parts of the test device: the call record and each part's reset.
#ifndef VORLEN_PLATFORM_HEADLESS_INTERNAL_H
#define VORLEN_PLATFORM_HEADLESS_INTERNAL_H

#include <string>

// Appends one platform call, by name, to the record that headless_calls returns.
void headless_record_call(const char *name);
// Each part puts its own state back to power-on; headless_reset calls them all.
void headless_reset_display();
void headless_reset_windows();
void headless_reset_files();
void headless_reset_clock();
void headless_reset_keep();
// How far each read of the clock moves it on.
uint32_t headless_tick_step();
// The keeper's side of the device (keep.cpp): a read of the clock (the reading, after a played
// session's clock line), a Sleep, a look of the pump, a presented frame, and whether sounds are
// silenced (while a kept session plays back).
uint32_t headless_keep_read(uint32_t now);
void headless_keep_sleep(uint32_t ms);
void headless_keep_look();
void headless_keep_frame(int frame);
bool headless_keep_silent();
// Compares two device paths the way the device's file system does: ASCII letters fold case.
bool headless_same_path(const std::u16string &a, const std::u16string &b);

#endif
