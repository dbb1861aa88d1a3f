// The test device's controls: what a test sets up before it starts the game, the input it
// scripts, and what it reads back afterwards (presented frames, sounds, platform calls). The
// device keeps everything in memory and its clock is virtual, so every run is repeatable.
#ifndef VORLEN_PLATFORM_HEADLESS_H
#define VORLEN_PLATFORM_HEADLESS_H

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "platform/common/windows.h"
#include "platform/device.h"

// Puts the whole device back to its power-on state: display 240x320 16-bit packed (cBPP 16,
// cbxPitch 2, cbyPitch 480), empty message queue and script, clock at 0 advancing 1 ms per
// GetTickCount read, no other instance running, no files, every record emptied.
void headless_reset();

// ---- Display ----
// Lays the emulated display memory out as these properties say; pitches may be negative or odd.
// The memory is sized and placed so that every pixel of a 240x320 display lies inside it.
void headless_set_display(int32_t bpp, int32_t x_pitch, int32_t y_pitch);
// The address GXBeginDraw hands out (pixel (0, 0) of the display).
uint8_t *headless_display_origin();
// The whole display memory block and its size, for checking that nothing is written outside it.
uint8_t *headless_display_memory();
size_t headless_display_size();
// Every frame presented so far: a copy of the display memory block at each GXEndDraw.
const std::vector<std::vector<uint8_t>> &headless_frames();
// How many GXBeginDraw / GXEndDraw pairs have completed.
int headless_frame_count();
// With false, frames are still counted and callbacks still run but no copies are kept (a long
// scenario would otherwise keep 150 kB per frame); true again (the default) resumes copying.
void headless_record_frames(bool keep);

// ---- Clock ----
// GetTickCount returns the virtual time and then moves it on by the step (1 ms by default), so
// busy-waits end. Tests may move the clock themselves or set any time (the 2^32 wrap included).
void headless_set_time(uint32_t ms);
void headless_advance_time(uint32_t ms);
void headless_set_tick_step(uint32_t ms);
uint32_t headless_time();
// Runs fn at every GetTickCount before the clock is read, with the time; the clock then reads
// what fn returns (a recorded session's clock). Null: the clock runs on its own.
void headless_on_read(std::function<uint32_t(uint32_t now)> fn);

// ---- Input ----
// Queues a message for the main window; only the message pump (PeekMessageW/GetMessageW)
// delivers it.
void headless_post(UINT message, WPARAM w_param, LPARAM l_param);
// A stylus tap: pen down and pen up at (x, y).
void headless_tap(int x, int y);
// A close request on the window, as the desktop's close button sends.
void headless_close();
// How many messages wait in the queue.
size_t headless_queued_messages();
// Runs fn at every look of the message pump (each PeekMessageW and GetMessageW), before it looks
// at the queue, as a host's input arrives on a real device. Null: no input arrives that way.
void headless_on_look(std::function<void()> fn);
// Runs fn whenever a frame has been presented (after GXEndDraw), with the number of frames
// presented so far; a test uses it to script input and inspect the game at chosen moments.
void headless_on_frame(std::function<void(int frame)> fn);

// ---- Instances, files, module path ----
// Makes FindWindowW("vorlen") find a window of an already running instance (hidden until
// ShowWindow shows it).
void headless_set_other_instance(bool running);
bool headless_other_instance_shown();
// Makes RegisterClassW or CreateWindowExW refuse, for the start-up failure paths.
void headless_fail_register_class(bool fail);
void headless_fail_create_window(bool fail);
// The virtual-key codes GXGetDefaultKeys gives for the A, B, C and Start keys (the direction
// keys are VK_UP, VK_DOWN, VK_LEFT and VK_RIGHT).
#define HEADLESS_VK_A DEVICE_VK_A
#define HEADLESS_VK_B DEVICE_VK_B
#define HEADLESS_VK_C DEVICE_VK_C
#define HEADLESS_VK_START DEVICE_VK_START
// The executable's path that GetModuleFileNameW reports (default u"\\vorlen\\vorlen.exe").
void headless_set_module_path(const std::u16string &path);
// An in-memory file at a device path (backslashes); CreateFileW opens it.
void headless_add_file(const std::u16string &path, const std::vector<uint8_t> &bytes);
// Adds every file of a host folder under a device folder (e.g. the generated Graph pictures).
void headless_add_host_folder(const std::u16string &device_folder, const std::string &host_folder);
// Adds the game's Graph and Sound folders from the host folder the build puts them in, beside the
// default module path (\vorlen\Graph\, \vorlen\Sound\).
void headless_add_game_folders(const std::string &host_folder);
bool headless_file_exists(const std::u16string &path);
// How many file handles are open (CreateFileW without its CloseHandle).
int headless_open_file_count();

// ---- Keeping ----
// Keeps the run as a device that never loses a game does (platform/common/keep.h): every read of
// the clock, Sleep, look of the pump and presented frame goes to the keeper (keep_text gives the
// kept text). With a kept text, the run first plays it back on its own display layout and clock,
// without sounds, to the kept frame; the clock then steps as it did before the call. Returns 1 when the
// playback starts; 0 when there is no kept text or the keeper refused it (keep_refusal says why)
// and a fresh run is kept from the present layout and clock. A refusal on the kept frame or at
// the game's end comes later, as keep_state; this device then plays on (a real one starts afresh).
int headless_keep(const std::string &kept, const std::string &build);
// The frame at which the playback reached the kept frame (-1 when it has not).
int headless_resumed_frame();

// ---- Records ----
struct HeadlessSound {
    std::u16string path;  // empty for the no-sound call that stops playback
    DWORD flags;
};
const std::vector<HeadlessSound> &headless_sounds();
// Every platform call in order, by name ("GXOpenDisplay", "ShowWindow", ...), for tests of
// start-up and shut-down order; GetTickCount is left out (busy-waits read it constantly).
const std::vector<std::string> &headless_calls();
// With false, calls are no longer noted (a long replay would otherwise grow without end); true
// again (the default, and after a reset) resumes noting them.
void headless_record_calls(bool keep);
// The main window's rectangle and visibility, whether it is alive (created and not destroyed),
// and whether the task bar is shown.
RECT headless_window_rect();
bool headless_window_visible();
bool headless_window_alive();
bool headless_taskbar_visible();

#endif
