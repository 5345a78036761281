#include "game/play_screen.h"

#include "app/app_window.h"
#include "app/game_app.h"
#include "gfx/gl.h"
#include "platform/gl_current.h"
#include "platform/platform.h"

PlayScreen::PlayScreen(GameApp& app) : m_app(app), m_field(std::make_unique<GameField>(app)) {}

PlayScreen::~PlayScreen() = default;

int PlayScreen::level_set() const {
    return m_app.config.m_game_kind;
}

void PlayScreen::tick(int elapsed_ms) {
    m_game_over = m_field->is_game_over();
    if (m_game_over) {
        if (AppWindow* window = app_window()) {
            window->close_top(false);
        }
        Screen::tick(elapsed_ms);
        return;
    }
    if (m_resume_delay > 0) {
        m_resume_delay -= elapsed_ms;
    } else {
        m_field->tick(elapsed_ms);
        m_last_score = m_field->score();
    }
    Screen::tick(elapsed_ms);
}

void PlayScreen::draw() {
    if (has_current_gl_context()) {
        const AppWindow* window = app_window();
        int dw = 800, dh = 600;
        if (window) {
            window->drawable_size(dw, dh);
        }
        m_app.view.setup_ortho(dw, dh);
        glClearColor(0.0f, 0.0f, 0.0f, 0.0f);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        glDisable(GL_ALPHA_TEST);
        glEnable(GL_DEPTH_TEST);
    }
    m_field->draw();
    Screen::draw();
}

void PlayScreen::activate() {
    m_resume_delay = kResumeDelay;
    if (AppWindow* window = app_window()) {
        window->next_track();
    }
    Screen::activate();
}

void PlayScreen::key_down(int virtual_key) {
    AppWindow* window = app_window();
    if (virtual_key == m_app.back_key) {
        if (window) {
            window->next_track();
            window->close_top(false);
        }
    } else if (virtual_key == m_app.hide_key) {
        if (window) {
            window->minimize();
            window->close_top(false);
        }
    }
    Screen::key_down(virtual_key);
}

void PlayScreen::to_logical(int& x, int& y) const {
    if (const AppWindow* window = app_window()) {
        window->to_logical(x, y, x, y);
    }
}

void PlayScreen::left_button_up(int x, int y, int buttons) {
    if (m_resume_delay <= 0) {
        to_logical(x, y);
    }
    Screen::left_button_up(x, y, buttons);
}

void PlayScreen::right_button_up(int x, int y, int buttons) {
    if (m_resume_delay <= 0) {
        to_logical(x, y);
    }
    Screen::right_button_up(x, y, buttons);
}

void PlayScreen::on_close_request() {
    platform::post_close();
}
