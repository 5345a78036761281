#pragma once

#include <string>

#include "platform/window_events.h"

// Process-wide services of the windowing library: start-up, the message queue, and the few
// "what is the state right now" questions the game asks outside of messages.
namespace platform {

// Starts video, timer and event handling. Audio is started separately by the sound output.
bool init();
void shutdown();

// Blocks until the next message and appends what it means to `out` (one library event can
// mean several messages, e.g. typed text). Returns false when waiting failed.
bool wait_events(WindowEvents& out);
// Takes whatever is queued without blocking; used by tests and tools that drive the loop.
void poll_events(WindowEvents& out);

// Posting from any thread, as the timer callback does.
void post_tick();
void post_close();
void post_quit();

// Asynchronous state of a key by Windows virtual-key code (F4, Control, Shift).
bool is_vk_down_now(int vk);
// Desktop cursor position in screen pixels.
void cursor_position(int& x, int& y);
// Size of the primary desktop in pixels.
void desktop_size(int& width, int& height);
// Clipboard text, empty when there is none.
std::string clipboard_text();

}  // namespace platform
