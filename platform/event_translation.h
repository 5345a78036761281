#pragma once

#include <SDL.h>

#include "platform/window_events.h"

// Turns one SDL event into the window messages the game handles. Real input and input injected
// by tools go through here alike.
void translate_event(const SDL_Event& event, WindowEvents& out);

// Registers the custom event types once; platform::init calls it.
void register_user_events();

// Custom SDL event types used for posted messages (0 until platform::init registered them).
Uint32 tick_event_type();
Uint32 close_event_type();
Uint32 quit_event_type();
