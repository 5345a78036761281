#include "app/startup_screen.h"

#include <GL/gl.h>

#include "platform/key_codes.h"
#include "platform/platform.h"

void StartupScreen::draw() {
    glClearColor(0.05f, 0.07f, 0.16f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
}

void StartupScreen::key_down(int virtual_key) {
    if (virtual_key == vk::escape) {
        platform::post_close();
    }
}

void StartupScreen::on_close_request() {
    platform::post_close();
}
