// The Windows device's real window as a test sees it from outside the device: clicks and the
// close box sent as Windows sends them, and the client area's pixels read back; and where the
// test program lies, for the programs built beside it.
#ifndef VORLEN_TESTS_PLATFORM_WIN32_WINDOW_H
#define VORLEN_TESTS_PLATFORM_WIN32_WINDOW_H

#include <cstdint>
#include <string>
#include <vector>

// Posts a left-button press and release at a client position of the window of class "vorlen".
void window_click(int x, int y);
// Posts the close box's request.
void window_close();
// The client area's pixels as 0xRRGGBB, rows from the top; its size in width and height.
std::vector<uint32_t> window_pixels(int *width, int *height);
// The folder of the running test program, as a Windows path ending in a backslash.
std::string program_folder();
// Runs this test program again with only the named test, disabled or not (its environment
// inherited), and waits for it; its exit status.
int run_test_alone(const std::string &test);
// Ends this process at once, as Task Manager's End task does: nothing of it runs any more.
[[noreturn]] void terminate_self();

#endif
