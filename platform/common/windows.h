// The window and message services both backends share (window records, the registered class,
// the message queue and the pump, the Pocket PC shell and GAPI input calls), and the hooks
// through which each backend joins them to its host.
#ifndef VORLEN_PLATFORM_COMMON_WINDOWS_H
#define VORLEN_PLATFORM_COMMON_WINDOWS_H

#include <cstddef>

#include "platform/device.h"

// The virtual-key codes GXGetDefaultKeys gives for the A, B, C and Start keys (the direction
// keys are VK_UP, VK_DOWN, VK_LEFT and VK_RIGHT).
#define DEVICE_VK_A 0xC1
#define DEVICE_VK_B 0xC2
#define DEVICE_VK_C 0xC3
#define DEVICE_VK_START 0xC4

// Back to power-on: no class, no game window, the task bar shown, an empty queue.
void device_windows_reset();
// Queues a message for the game's window (resolved when fetched, so it may precede creation).
void device_post(UINT message, WPARAM w_param, LPARAM l_param);
// Hands every message device_post queues to watch as well (null: to nobody), so that a device
// can record the input its host gave.
void device_watch_posts(void (*watch)(const MSG &msg));
size_t device_queue_size();
// The game's window and the task bar as the game has left them.
RECT device_window_rect();
bool device_window_visible();
bool device_window_alive();
bool device_taskbar_visible();
// Makes RegisterClassW or CreateWindowExW refuse.
void device_refuse_class(bool refuse);
void device_refuse_window(bool refuse);

// ---- Supplied by each backend ----
// Notes a platform call by name (the test device keeps them; the desktop ignores them).
void device_record_call(const char *name);
// The time stamped on queued messages.
DWORD device_message_time();
// Moves the host's pending input into the queue; the pump calls it before each look.
void device_collect_input();
// Whether another instance of the game is running, and bringing its window to the front.
bool device_other_instance_running();
void device_show_other_instance();
// The game's window was created, shown, hidden or destroyed.
void device_window_changed();

#endif
