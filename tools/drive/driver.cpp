#include "driver.h"

#include <SDL.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "app/app_window.h"
#include "app/game_app.h"
#include "app/startup.h"
#include "game/play_screen.h"
#include "gfx/gl.h"
#include "platform/event_translation.h"
#include "platform/platform.h"
#include "ui/button.h"
#include "ui/menu_startup.h"
#include "world/playfield.h"
#include "world/runner.h"

namespace {

constexpr int kLogicalWidth = 800;
constexpr int kLogicalHeight = 600;

class DriverKeyboardDevice : public KeyboardDevice {
  public:
    explicit DriverKeyboardDevice(std::shared_ptr<HeldKeys> keys) : m_keys(std::move(keys)) {}
    int32_t acquire() override { return 0; }
    void unacquire() override {}
    int32_t read_state(uint8_t* state256) override {
        std::memcpy(state256, m_keys->data(), m_keys->size());
        return 0;
    }

  private:
    std::shared_ptr<HeldKeys> m_keys;
};

bool file_exists(const std::string& path) {
    std::FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) {
        return false;
    }
    std::fclose(f);
    return true;
}

}  // namespace

Driver::Driver(GameApp& app, std::string output_dir)
    : m_app(app), m_output_dir(std::move(output_dir)) {}

Driver::~Driver() {
    finish();
}

bool Driver::start() {
    m_window = open_program_window(m_app);
    if (!m_window->has_window()) {
        return false;
    }
    install_level_start_save();
    m_menu = show_intro_then_menu(*m_window, m_app, make_menu_plugins(m_app),
                                  [this] { load_game_resources(m_app); });
    // The driver's window stays the active one: another window on the same display must not
    // pause a scripted run.
    m_window->set_active(true);
    use_driver_keyboard();
    m_started = true;
    pump();
    return true;
}

void Driver::finish() {
    if (!m_started || m_finished) {
        return;
    }
    m_finished = true;
    close_program(*m_window, m_app, m_menu);
    m_window.reset();
}

void Driver::use_driver_keyboard() {
    // A display switch makes a new window with the platform keyboard; the driver's comes back
    // before every tick.
    m_app.keyboard.create(std::make_unique<DriverKeyboardDevice>(m_keys));
}

void Driver::pump() {
    WindowEvents events;
    platform::poll_events(events);
    for (const WindowEvent& e : events) {
        if (e.kind == WindowEventKind::tick || e.kind == WindowEventKind::focus_lost) {
            continue;
        }
        m_window->handle_event(e);
        if (m_window->quit_posted()) {
            finish();
            return;
        }
    }
}

void Driver::run_ticks(long count) {
    for (long i = 0; i < count && !m_finished; ++i) {
        use_driver_keyboard();
        m_window->run_tick();
        pump();
    }
}

void Driver::to_window(long x, long y, int& wx, int& wy) const {
    wx = static_cast<int>(x * m_window->width() / kLogicalWidth);
    wy = static_cast<int>(y * m_window->height() / kLogicalHeight);
}

void Driver::send_mouse(int kind, int x, int y) {
    SDL_Event event{};
    event.type = static_cast<Uint32>(kind);
    if (kind == SDL_MOUSEMOTION) {
        event.motion.x = x;
        event.motion.y = y;
    } else {
        event.button.button = SDL_BUTTON_LEFT;
        event.button.state = kind == SDL_MOUSEBUTTONDOWN ? SDL_PRESSED : SDL_RELEASED;
        event.button.clicks = 1;
        event.button.x = x;
        event.button.y = y;
    }
    WindowEvents events;
    translate_event(event, events);
    for (const WindowEvent& e : events) {
        m_window->handle_event(e);
    }
    pump();
}

RgbImage Driver::capture() {
    m_window->draw();
    RgbImage image;
    image.width = m_window->width();
    image.height = m_window->height();
    std::vector<uint8_t> bottom_up(static_cast<size_t>(image.width) * image.height * 3);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadBuffer(GL_BACK);
    glReadPixels(0, 0, image.width, image.height, GL_RGB, GL_UNSIGNED_BYTE, bottom_up.data());
    m_window->swap_buffers();
    // GL rows run from the bottom.
    const size_t row = static_cast<size_t>(image.width) * 3;
    image.pixels.resize(bottom_up.size());
    for (int y = 0; y < image.height; ++y) {
        std::memcpy(&image.pixels[row * static_cast<size_t>(y)],
                    &bottom_up[row * static_cast<size_t>(image.height - 1 - y)], row);
    }
    return image;
}

std::string Driver::state_line() const {
    std::string screen = "other";
    PlayScreen* play = m_menu ? dynamic_cast<PlayScreen*>(m_menu->play_screen()) : nullptr;
    if (m_window->top_screen() == m_menu.get()) {
        screen = "menu";
    } else if (play && m_window->top_screen() == play) {
        screen = "play";
    }
    char line[256];
    int left = 0, top = 0;
    m_window->window_position(left, top);
    std::snprintf(line, sizeof line, "screen=%s dialogs=%zu game=%d window=%d,%d,%dx%d full=%d",
                  screen.c_str(), m_window->dialog_count(), play ? 1 : 0, left, top,
                  m_window->width(), m_window->height(), m_window->is_fullscreen() ? 1 : 0);
    std::string out = line;
    if (play) {
        GameField& field = play->field();
        const Runner* runner = field.runner();
        // Solid cells go down when a hole is dug; the gold count when the runner takes one.
        int solid = 0;
        int gold = -1;
        if (Playfield* grid = field.playfield()) {
            gold = grid->gold_left();
            for (int c = 0; c < 32; ++c) {
                for (int r = 0; r < 22; ++r) {
                    solid += grid->is_blocking(c, r) ? 1 : 0;
                }
            }
        }
        std::snprintf(line, sizeof line,
                      " level=%d score=%d lives=%d revealing=%d game_over=%d runner=%.1f,%.1f"
                      " gold=%d solid=%d set=%d",
                      field.level(), field.score(), field.lives(), field.reveal() ? 1 : 0,
                      field.is_game_over() ? 1 : 0, runner ? runner->pos().x : -1.0,
                      runner ? runner->pos().y : -1.0, gold, solid, m_app.config.m_game_kind + 1);
        out += line;
    }
    return out;
}

bool Driver::run(const Step& step, std::string& error) {
    const std::vector<long>& n = step.numbers;
    const bool needs_window = step.kind != StepKind::seed && step.kind != StepKind::assert_file;
    if (needs_window && m_finished) {
        error = "the program has already ended";
        return false;
    }
    switch (step.kind) {
        case StepKind::ticks:
            run_ticks(n[0]);
            break;
        case StepKind::key:
            m_window->key_down(static_cast<int>(n[0]));
            pump();
            break;
        case StepKind::hold:
            (*m_keys)[static_cast<size_t>(n[0])] = 0x80;
            break;
        case StepKind::release:
            (*m_keys)[static_cast<size_t>(n[0])] = 0;
            break;
        case StepKind::type:
            for (unsigned char c : step.text) {
                m_window->char_typed(c, 1);
                pump();
                if (m_finished) {
                    break;
                }
            }
            break;
        case StepKind::move:
        case StepKind::click: {
            long lx = 0, ly = 0;
            if (!step.text.empty()) {
                const Button* button = m_menu ? m_menu->button_for(step.text) : nullptr;
                if (!button) {
                    error = "no main menu button '" + step.text + "'";
                    return false;
                }
                lx = static_cast<long>(button->position().x + button->width() / 2);
                ly = static_cast<long>(button->position().y + button->height() / 2);
            } else {
                lx = n[0];
                ly = n[1];
            }
            int x = 0, y = 0;
            to_window(lx, ly, x, y);
            send_mouse(SDL_MOUSEMOTION, x, y);
            if (step.kind == StepKind::click && !m_finished) {
                send_mouse(SDL_MOUSEBUTTONDOWN, x, y);
                if (!m_finished) {
                    send_mouse(SDL_MOUSEBUTTONUP, x, y);
                }
            }
            break;
        }
        case StepKind::seed:
            std::srand(static_cast<unsigned>(n[0]));
            break;
        case StepKind::shot: {
            const std::string path =
                step.text[0] == '/' ? step.text : m_output_dir + "/" + step.text;
            if (!write_png(path, capture())) {
                error = "could not write " + path;
                return false;
            }
            break;
        }
        case StepKind::state:
            std::printf("%s\n", state_line().c_str());
            std::fflush(stdout);
            break;
        case StepKind::assert_file:
            if (!file_exists(step.text)) {
                error = "no file " + step.text;
                return false;
            }
            break;
        case StepKind::assert_pixel: {
            int x = 0, y = 0;
            to_window(n[0], n[1], x, y);
            const RgbImage frame = capture();
            if (x < 0 || y < 0 || x >= frame.width || y >= frame.height) {
                error = "the pixel is outside the window";
                return false;
            }
            const uint8_t* p = frame.at(x, y);
            const long tol = n[5];
            if (std::labs(p[0] - n[2]) > tol || std::labs(p[1] - n[3]) > tol ||
                std::labs(p[2] - n[4]) > tol) {
                error = "pixel " + std::to_string(n[0]) + "," + std::to_string(n[1]) + " is " +
                        std::to_string(p[0]) + " " + std::to_string(p[1]) + " " +
                        std::to_string(p[2]);
                return false;
            }
            break;
        }
    }
    return true;
}
