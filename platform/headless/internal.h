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
// Compares two device paths the way the device's file system does: ASCII letters fold case.
bool headless_same_path(const std::u16string &a, const std::u16string &b);

#endif
