#pragma once

// True when an OpenGL context is current on this thread. The window's frame asks once and draws
// nothing without one, and textures ask before they upload or free GL names: without a context
// they still decode and know their size, sprites still load and animate, the font still scans.
// This is what lets the world and UI run in plain unit tests.
bool has_current_gl_context();

// An entry point of a GL extension in the current context, or null.
void* gl_proc_address(const char* name);
