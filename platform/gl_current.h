#pragma once

// True when an OpenGL context is current on this thread. Without one, textures still decode and
// know their size, sprites still load and animate, the font still scans: only GL calls are
// skipped. This is what lets the world and UI run in plain unit tests.
bool has_current_gl_context();

// An entry point of a GL extension in the current context, or null.
void* gl_proc_address(const char* name);
