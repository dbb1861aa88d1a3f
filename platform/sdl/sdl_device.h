// The desktop device's own controls: starting and stopping it around WinMain, and what its
// smoke test reads back. It reads VORLEN_DISPLAY and VORLEN_SCALE at start
// (platform/common/desktop.h), and VORLEN_RECORD or VORLEN_REPLAY (platform/common/session_device.h); with
// VORLEN_CHECK_FILES=1 main lists and reads the game's pictures and sounds instead of playing.
#ifndef VORLEN_PLATFORM_SDL_SDL_DEVICE_H
#define VORLEN_PLATFORM_SDL_SDL_DEVICE_H

#include <cstdint>

// Claims the single-instance lock, then (when no other instance runs) opens SDL's video, the
// window (hidden until the game shows its own) and the sound device (silence when there is
// none). Returns 1, or 0 with a message on stderr when there is no video.
int sdl_device_start();
// Closes everything sdl_device_start opened and gives the instance lock back.
void sdl_device_stop();
// After WinMain: forgets the kept game when the person ended it (Quit, the close box), or, when
// a kept game's playback ended it, drops that and starts the program afresh.
void sdl_device_run_ended();
// Reads every picture and sound beside the executable's real path and lists them on stdout;
// 0 when all were readable and there were some of each, 1 otherwise.
int sdl_check_files();

// ---- For tests ----
// The whole window scale factor in use.
int sdl_device_scale();
// The SDL window's id, for pushing events at it; 0 before start.
uint32_t sdl_device_window_id();
bool sdl_device_window_shown();
// How many times a second start has asked this instance's window to come to the front.
int sdl_device_raise_count();
// How many times a frame, or the changed part of one, has been sent to the window.
int sdl_device_redraw_count();
// Runs watch after every GXEndDraw, once the window has been sent the frame (null: nothing).
void sdl_device_on_present(void (*watch)());
// The last picture scanned out of the emulated display: 240 x 320 RGB565, row by row.
const uint16_t *sdl_device_picture();
// Bytes left to play of the current sound, in the sound device's format (0: silence).
uint32_t sdl_sound_length();
// Runs stand_in instead of starting the program again afresh when a kept game cannot be
// resumed (it must not return; null: start again).
void sdl_device_on_restart(void (*stand_in)());
// Holds the sound device still (true) or lets it play on, so a test reads exact lengths.
void sdl_sound_hold(bool hold);

#endif
