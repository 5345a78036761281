#include "gfx/draw.h"

#include <algorithm>
#include <cstring>

#include "gfx/gl.h"
#include "gfx/texture.h"
#include "platform/gl_current.h"

namespace {

// "Take the texel as it is": with no other work in the fragment, the software renderer
// recognises a copy and moves whole rows instead of shading pixel by pixel. The fixed
// function's modulate by white gives the same colours the slow way. One per GL context: a
// context made after a display switch does not know the old name.
GLuint g_copy_program = 0;

struct ProgramCalls {
    PFNGLGENPROGRAMSARBPROC gen = nullptr;
    PFNGLDELETEPROGRAMSARBPROC erase = nullptr;
    PFNGLBINDPROGRAMARBPROC bind = nullptr;
    PFNGLPROGRAMSTRINGARBPROC source = nullptr;
    PFNGLISPROGRAMARBPROC is = nullptr;
};

// The entry points, looked up when the extension is there (the same for every context of the
// one driver).
const ProgramCalls* program_calls() {
    static ProgramCalls calls;
    static bool looked = false;
    if (!looked) {
        looked = true;
        const char* extensions = reinterpret_cast<const char*>(glGetString(GL_EXTENSIONS));
        if (extensions && std::strstr(extensions, "GL_ARB_fragment_program")) {
            calls.gen =
                reinterpret_cast<PFNGLGENPROGRAMSARBPROC>(gl_proc_address("glGenProgramsARB"));
            calls.erase = reinterpret_cast<PFNGLDELETEPROGRAMSARBPROC>(
                gl_proc_address("glDeleteProgramsARB"));
            calls.bind =
                reinterpret_cast<PFNGLBINDPROGRAMARBPROC>(gl_proc_address("glBindProgramARB"));
            calls.source =
                reinterpret_cast<PFNGLPROGRAMSTRINGARBPROC>(gl_proc_address("glProgramStringARB"));
            calls.is = reinterpret_cast<PFNGLISPROGRAMARBPROC>(gl_proc_address("glIsProgramARB"));
        }
    }
    const bool all = calls.gen && calls.erase && calls.bind && calls.source && calls.is;
    return all ? &calls : nullptr;
}

}  // namespace

bool begin_texel_copy() {
    const ProgramCalls* gl = program_calls();
    if (!gl) {
        return false;
    }
    if (g_copy_program != 0 && gl->is(g_copy_program)) {
        gl->bind(GL_FRAGMENT_PROGRAM_ARB, g_copy_program);
        glEnable(GL_FRAGMENT_PROGRAM_ARB);
        return true;
    }
    static const char kSource[] =
        "!!ARBfp1.0\nTEX result.color, fragment.texcoord[0], texture[0], 2D;\nEND\n";
    gl->gen(1, &g_copy_program);
    gl->bind(GL_FRAGMENT_PROGRAM_ARB, g_copy_program);
    gl->source(GL_FRAGMENT_PROGRAM_ARB, GL_PROGRAM_FORMAT_ASCII_ARB,
               static_cast<GLsizei>(sizeof kSource - 1), kSource);
    if (glGetError() != GL_NO_ERROR) {
        gl->erase(1, &g_copy_program);
        g_copy_program = 0;
        return false;
    }
    glEnable(GL_FRAGMENT_PROGRAM_ARB);
    return true;
}

void end_texel_copy() {
    glDisable(GL_FRAGMENT_PROGRAM_ARB);
}

namespace {

// How the picture meets the pixels: without a turn or a shift (identity model-view), texels of
// a copy the size of the viewport fall on pixel centres; a logical unit covering a whole number
// of pixels needs only the logical-size copy repeated.
struct ScreenFit {
    bool straight = false;
    bool whole_scale = false;
    int width = 0;
    int height = 0;
};

ScreenFit screen_fit() {
    GLint viewport[4] = {};
    glGetIntegerv(GL_VIEWPORT, viewport);
    GLfloat m[16] = {};
    glGetFloatv(GL_MODELVIEW_MATRIX, m);
    static const GLfloat kIdentity[16] = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};
    ScreenFit fit;
    fit.width = viewport[2];
    fit.height = viewport[3];
    fit.straight = fit.width > 0 && fit.height > 0 && std::equal(m, m + 16, kIdentity);
    fit.whole_scale = fit.straight && fit.width % static_cast<int>(kLogicalWidth) == 0 &&
                      fit.height % static_cast<int>(kLogicalHeight) == 0;
    return fit;
}

}  // namespace

void draw_fullscreen_image(const Texture& texture) {
    glDisable(GL_DEPTH_TEST);
    glEnable(GL_TEXTURE_2D);
    glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
    bool copy = false;
    const int logical_width = static_cast<int>(kLogicalWidth);
    const int logical_height = static_cast<int>(kLogicalHeight);
    const ScreenFit fit = screen_fit();
    // At another scale (full screen, 1.8 at 1920 x 1080) a copy the size of the pixels keeps
    // the renderer copying rows instead of filtering every pixel of the picture.
    const bool pixel_copy = fit.straight && !fit.whole_scale;
    const int copy_width = pixel_copy ? fit.width : logical_width;
    const int copy_height = pixel_copy ? fit.height : logical_height;
    if (texture.bind_screen_copy(copy_width, copy_height, logical_width, logical_height)) {
        const GLint filter = fit.straight ? GL_NEAREST : GL_LINEAR;
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, filter);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, filter);
        copy = begin_texel_copy();
    } else {
        texture.bind();
    }
    // t = 1 is the top row of the picture, so it goes to logical y 0.
    glBegin(GL_TRIANGLE_STRIP);
    glTexCoord2f(0.0f, 1.0f);
    glVertex3f(0.0f, 0.0f, 0.0f);
    glTexCoord2f(0.0f, 0.0f);
    glVertex3f(0.0f, kLogicalHeight, 0.0f);
    glTexCoord2f(1.0f, 1.0f);
    glVertex3f(kLogicalWidth, 0.0f, 0.0f);
    glTexCoord2f(1.0f, 0.0f);
    glVertex3f(kLogicalWidth, kLogicalHeight, 0.0f);
    glEnd();
    if (copy) {
        end_texel_copy();
    }
}

void begin_alpha_blend() {
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glEnable(GL_BLEND);
    glDisable(GL_ALPHA_TEST);
}

void reset_colour() {
    glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
}

void draw_shade_rect(float x, float y, float width, float height, float z, float r, float g,
                     float b, float a) {
    glDisable(GL_TEXTURE_2D);
    begin_alpha_blend();
    glColor4f(r, g, b, a);
    glBegin(GL_QUADS);
    glVertex3f(x, y, z);
    glVertex3f(x + width, y, z);
    glVertex3f(x + width, y + height, z);
    glVertex3f(x, y + height, z);
    glEnd();
    glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
    glDisable(GL_BLEND);
}

void draw_textured_rect(const Texture* texture, float x, float y, float width, float height,
                        float z, float u0, float v0, float u1, float v1, bool blend) {
    glEnable(GL_TEXTURE_2D);
    if (texture) {
        texture->bind();
    }
    if (blend) {
        begin_alpha_blend();
    }
    glBegin(GL_QUADS);
    glTexCoord2f(u0, v0);
    glVertex3f(x, y, z);
    glTexCoord2f(u1, v0);
    glVertex3f(x + width, y, z);
    glTexCoord2f(u1, v1);
    glVertex3f(x + width, y + height, z);
    glTexCoord2f(u0, v1);
    glVertex3f(x, y + height, z);
    glEnd();
    if (blend) {
        glDisable(GL_BLEND);
    }
    glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
}
