#include "platform/gl_current.h"

#include <SDL.h>

bool has_current_gl_context() {
    return SDL_GL_GetCurrentContext() != nullptr;
}

void* gl_proc_address(const char* name) {
    return SDL_GL_GetProcAddress(name);
}
