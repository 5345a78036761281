#include "game/play_screen.h"

#include "gfx/draw.h"
#include "gfx/font.h"
#include "gfx/gl.h"
#include "platform/gamepads.h"
#include "platform/key_codes.h"
#include "platform/platform.h"
#include "ui/app_context.h"
#include "ui/screen_host.h"

PlayScreen::PlayScreen(AppContext& app, std::function<void()> level_started)
    : m_app(app), m_field(std::make_unique<GameField>(app, std::move(level_started))) {}

PlayScreen::~PlayScreen() {
    set_paused(false);
}

void PlayScreen::set_paused(bool paused) {
    if (paused == m_paused) {
        return;
    }
    m_paused = paused;
    if (ScreenHost* window = m_host) {
        window->set_sound_paused(paused);
    }
}

bool PlayScreen::pause_key(int virtual_key) const {
    if (virtual_key != vk::p) {
        return false;
    }
    const GameParams& c = m_app.config;
    for (int bound :
         {c.m_left_key, c.m_right_key, c.m_up_key, c.m_down_key, c.m_fire_key, c.m_die_key}) {
        if (bound == dik::p) {
            return false;
        }
    }
    return true;
}

int PlayScreen::level_set() const {
    return m_app.config.m_game_kind;
}

void PlayScreen::tick(int elapsed_ms) {
    m_game_over = m_field->is_game_over();
    if (m_game_over) {
        if (ScreenHost* window = m_host) {
            window->close_top(false);
        }
        Screen::tick(elapsed_ms);
        return;
    }
    if (m_paused) {
        // Nothing in the world moves, and no key is read for it.
    } else if (m_resume_delay > 0) {
        m_resume_delay -= elapsed_ms;
    } else {
        // The pads play through the keys the world polls, and only here.
        m_app.keyboard.set_overlay(
            [this](uint8_t* keys) { m_pad_keys.apply(gamepads::held(), m_app.config, keys); });
        m_field->tick(elapsed_ms);
        m_app.keyboard.set_overlay(nullptr);
        m_last_score = m_field->score();
    }
    Screen::tick(elapsed_ms);
}

void PlayScreen::draw() {
    const ScreenHost* window = m_host;
    int dw = 800, dh = 600;
    if (window) {
        window->drawable_size(dw, dh);
    }
    m_app.view.setup_ortho(dw, dh);
    glClearColor(0.0f, 0.0f, 0.0f, 0.0f);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glDisable(GL_ALPHA_TEST);
    glEnable(GL_DEPTH_TEST);
    m_field->draw();
    if (m_paused) {
        draw_pause();
    }
    Screen::draw();
}

void PlayScreen::draw_pause() const {
    const float w = static_cast<float>(m_app.view.m_screen_width);
    const float h = static_cast<float>(m_app.view.m_screen_height);
    glDisable(GL_DEPTH_TEST);
    draw_shade_rect(0.0f, 0.0f, w, h, 40.0f, 0.0f, 0.0f, 0.0f, 0.6f);
    if (const Font* font = m_app.font()) {
        const char* text = "Paused";
        const float size = 48.0f;
        const float x = (w - font->text_width(text, size)) / 2.0f;
        const GLboolean textured = glIsEnabled(GL_TEXTURE_2D);
        glEnable(GL_TEXTURE_2D);
        font->draw_text(text, size, x + 2.0f, h / 2.0f + 2.0f, 41.0f, 0.0f, 0.0f, 0.0f, 1.0f);
        font->draw_text(text, size, x, h / 2.0f, 41.0f, 1.0f, 1.0f, 0.0f, 1.0f);
        if (!textured) {
            glDisable(GL_TEXTURE_2D);
        }
    }
    glEnable(GL_DEPTH_TEST);
}

void PlayScreen::activate() {
    m_field->set_host(m_host);
    m_resume_delay = kResumeDelay;
    if (ScreenHost* window = m_host) {
        window->next_track();
    }
    Screen::activate();
}

void PlayScreen::on_hidden() {
    // Back in the menu: the copy of the playfield is made again when the game is shown (the
    // background's own copy stays, as the menu picture's does).
    m_field->renderer().release_cache();
}

void PlayScreen::key_down(int virtual_key) {
    ScreenHost* window = m_host;
    // Any key ends the pause and does nothing else.
    if (m_paused) {
        set_paused(false);
        return;
    }
    if (pause_key(virtual_key) && m_resume_delay <= 0 && !m_field->is_game_over()) {
        set_paused(true);
        return;
    }
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

void PlayScreen::pad_button(int button) {
    if (m_paused) {
        set_paused(false);  // any button goes on, as any key does
        return;
    }
    if (button == gamepads::start) {
        if (m_resume_delay <= 0 && !m_field->is_game_over()) {
            set_paused(true);
        }
    } else if (button == gamepads::back) {
        key_down(m_app.back_key);
    }
    // Moving, digging and giving up are read with the keys at each tick.
}

void PlayScreen::to_logical(int& x, int& y) const {
    if (const ScreenHost* window = m_host) {
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
