#include "driver.h"

#include <SDL.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <sstream>

#include "app/app_window.h"
#include "app/game_app.h"
#include "app/menu_startup.h"
#include "app/startup.h"
#include "game/play_screen.h"
#include "gfx/gl.h"
#include "platform/gamepads.h"
#include "platform/key_translation.h"
#include "platform/platform.h"
#include "platform/synthetic_input.h"
#include "targets.h"
#include "ui/button.h"
#include "world/playfield.h"
#include "world/runner.h"

static_assert(HeldKeys::kCount == SDL_NUM_SCANCODES, "one byte per SDL scancode");

namespace {

class DriverKeyboardDevice : public KeyboardDevice {
  public:
    explicit DriverKeyboardDevice(std::shared_ptr<HeldKeys> keys) : m_keys(std::move(keys)) {}
    int32_t acquire() override { return 0; }
    void unacquire() override {}
    int32_t read_state(uint8_t* state256) override {
        std::array<uint8_t, HeldKeys::kCount> down{};
        for (size_t i = 0; i < down.size(); ++i) {
            down[i] = m_keys->held[i] | m_keys->pressed[i];
        }
        dik_state_from_sdl(down.data(), static_cast<int>(down.size()), state256);
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
    m_menu = show_intro_then_menu(*m_window, m_app, make_menu_plugins(m_app, *m_window),
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
    detach_pad(false);
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
    // Through the window's own fit of the picture: a point off the logical screen lands on a bar.
    m_window->to_window(static_cast<double>(x), static_cast<double>(y), wx, wy);
}

void Driver::inject(const std::vector<SDL_Event>& events) {
    for (SDL_Event e : events) {
        if (m_finished) {
            return;
        }
        // The library updates its key state as the event is queued; so does the driver.
        if (e.type == SDL_KEYDOWN || e.type == SDL_KEYUP) {
            const size_t code = static_cast<size_t>(e.key.keysym.scancode);
            if (code < m_keys->pressed.size()) {
                m_keys->pressed[code] = e.type == SDL_KEYDOWN ? 1 : 0;
            }
        }
        if (SDL_PushEvent(&e) < 0) {
            std::fprintf(stderr, "quarrik-drive: an event was lost: %s\n", SDL_GetError());
        }
        pump();
    }
}

bool Driver::press_key(long vk, std::string& error) {
    std::vector<SDL_Event> events;
    if (!synthetic_input::key_press(static_cast<int>(vk), events)) {
        error = "no key sends window key " + std::to_string(vk);
        return false;
    }
    inject(events);
    return true;
}

namespace {

int pad_button_named(const std::string& name) {
    const struct {
        const char* name;
        SDL_GameControllerButton button;
    } kButtons[] = {
        {"a", SDL_CONTROLLER_BUTTON_A},
        {"b", SDL_CONTROLLER_BUTTON_B},
        {"x", SDL_CONTROLLER_BUTTON_X},
        {"y", SDL_CONTROLLER_BUTTON_Y},
        {"back", SDL_CONTROLLER_BUTTON_BACK},
        {"start", SDL_CONTROLLER_BUTTON_START},
        {"up", SDL_CONTROLLER_BUTTON_DPAD_UP},
        {"down", SDL_CONTROLLER_BUTTON_DPAD_DOWN},
        {"left", SDL_CONTROLLER_BUTTON_DPAD_LEFT},
        {"right", SDL_CONTROLLER_BUTTON_DPAD_RIGHT},
    };
    for (const auto& b : kButtons) {
        if (name == b.name) {
            return b.button;
        }
    }
    return -1;
}

}  // namespace

bool Driver::pad(const std::string& words, std::string& error) {
    std::istringstream in(words);
    std::string verb, name;
    in >> verb;
    if (verb == "attach") {
        if (m_pad) {
            error = "a pad is already attached";
            return false;
        }
        // Laid out as a game controller, so the library maps it like a real pad.
        SDL_VirtualJoystickDesc desc;
        SDL_zero(desc);
        desc.version = SDL_VIRTUAL_JOYSTICK_DESC_VERSION;
        desc.type = SDL_JOYSTICK_TYPE_GAMECONTROLLER;
        desc.naxes = SDL_CONTROLLER_AXIS_MAX;
        desc.nbuttons = SDL_CONTROLLER_BUTTON_MAX;
        desc.name = "quarrik-drive pad";
        const int index = SDL_JoystickAttachVirtualEx(&desc);
        m_pad = index >= 0 ? SDL_JoystickOpen(index) : nullptr;
        if (!m_pad) {
            error = std::string("no virtual pad: ") + SDL_GetError();
            return false;
        }
    } else if (verb == "detach") {
        if (!m_pad) {
            error = "no pad is attached";
            return false;
        }
        detach_pad(true);
    } else if (verb == "press" || verb == "hold" || verb == "release") {
        in >> name;
        const int button = pad_button_named(name);
        if (!m_pad || button < 0) {
            error = m_pad ? "no pad button '" + name + "'" : "no pad is attached";
            return false;
        }
        SDL_JoystickSetVirtualButton(m_pad, button, verb == "release" ? 0 : 1);
        pump();
        if (verb == "press") {
            SDL_JoystickSetVirtualButton(m_pad, button, 0);
        }
    } else if (verb == "stick") {
        long x = 0, y = 0;
        if (!m_pad || !(in >> x >> y) || x < -32768 || x > 32767 || y < -32768 || y > 32767) {
            error = m_pad ? "'pad stick' takes X Y in -32768..32767" : "no pad is attached";
            return false;
        }
        SDL_JoystickSetVirtualAxis(m_pad, SDL_CONTROLLER_AXIS_LEFTX, static_cast<Sint16>(x));
        SDL_JoystickSetVirtualAxis(m_pad, SDL_CONTROLLER_AXIS_LEFTY, static_cast<Sint16>(y));
    } else {
        error = "unknown pad step '" + verb + "'";
        return false;
    }
    pump();
    return true;
}

void Driver::detach_pad(bool handle_events) {
    if (!m_pad) {
        return;
    }
    const SDL_JoystickID id = SDL_JoystickInstanceID(m_pad);
    SDL_JoystickClose(m_pad);
    m_pad = nullptr;
    for (int i = 0; i < SDL_NumJoysticks(); ++i) {
        if (SDL_JoystickGetDeviceInstanceID(i) == id) {
            SDL_JoystickDetachVirtual(i);
            break;
        }
    }
    if (handle_events) {
        pump();
    }
}

RgbImage Driver::capture() {
    m_window->draw();
    RgbImage image;
    m_window->drawable_size(image.width, image.height);
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
    char line[320];
    int left = 0, top = 0;
    m_window->window_position(left, top);
    std::snprintf(line, sizeof line,
                  "screen=%s dialogs=%zu top=%s game=%d window=%d,%d,%dx%d full=%d", screen.c_str(),
                  m_window->dialog_count(),
                  m_menu ? top_dialog_name(*m_window, *m_menu).c_str() : "none", play ? 1 : 0, left,
                  top, m_window->width(), m_window->height(), m_window->is_fullscreen() ? 1 : 0);
    std::string out = line;
    // The settings as the game holds them now.
    const GameParams& config = m_app.config;
    // The keyboard and pad focus of whatever takes the input now.
    const Screen* input = m_window->top_dialog() ? m_window->top_dialog() : m_window->top_screen();
    const int focus = input ? input->focus() : -1;
    std::snprintf(line, sizeof line,
                  " skin=%d volume=%d sound=%d classic=%d autosave=%d"
                  " keys=%d,%d,%d,%d,%d,%d top7=%zu,%zu pads=%d focus=%d",
                  m_app.resources ? m_app.resources->current_skin() : -1, m_app.m_music_volume,
                  m_app.m_sound ? 1 : 0, m_app.m_sound_classik ? 1 : 0, m_app.m_autosave ? 1 : 0,
                  config.m_left_key, config.m_right_key, config.m_up_key, config.m_down_key,
                  config.m_fire_key, config.m_die_key, config.m_scores[0].entries().size(),
                  config.m_scores[1].entries().size(), gamepads::open_count(), focus);
    out += line;
    // A failed save's notice, as the main menu shows it ("" while there is none).
    out += " notice=\"" + m_app.save_notice() + "\"";
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
                      " gold=%d solid=%d set=%d paused=%d sound_paused=%d",
                      field.level(), field.score(), field.lives(), field.reveal() ? 1 : 0,
                      field.is_game_over() ? 1 : 0, runner ? runner->pos().x : -1.0,
                      runner ? runner->pos().y : -1.0, gold, solid, m_app.config.m_game_kind + 1,
                      play->paused() ? 1 : 0, m_window->sound_paused() ? 1 : 0);
        out += line;
    }
    return out;
}

bool Driver::run(const Step& step, std::string& error) {
    const std::vector<long>& n = step.numbers;
    const bool needs_window = step.kind != StepKind::seed && step.kind != StepKind::assert_file &&
                              step.kind != StepKind::signal;
    if (needs_window && m_finished) {
        error = "the program has already ended";
        return false;
    }
    switch (step.kind) {
        case StepKind::ticks:
            run_ticks(n[0]);
            break;
        case StepKind::key:
            return press_key(n[0], error);
        case StepKind::hold:
        case StepKind::release: {
            const int scancode = sdl_scancode_from_dik(static_cast<int>(n[0]));
            if (scancode == SDL_SCANCODE_UNKNOWN) {
                error = "no key has scan code " + std::to_string(n[0]);
                return false;
            }
            m_keys->held[static_cast<size_t>(scancode)] = step.kind == StepKind::hold ? 1 : 0;
            break;
        }
        case StepKind::type: {
            std::vector<SDL_Event> events;
            synthetic_input::typed_text(step.text, SDL_IsTextInputActive() == SDL_TRUE, events);
            inject(events);
            break;
        }
        case StepKind::move:
        case StepKind::click: {
            long lx = 0, ly = 0;
            if (!step.text.empty()) {
                if (!m_menu || !find_target(*m_window, *m_menu, step.text, lx, ly)) {
                    error = "no button or control '" + step.text + "' on the screen";
                    return false;
                }
            } else {
                lx = n[0];
                ly = n[1];
            }
            int x = 0, y = 0;
            to_window(lx, ly, x, y);
            std::vector<SDL_Event> events{synthetic_input::mouse_motion(x, y, 0)};
            if (step.kind == StepKind::click) {
                events.push_back(synthetic_input::left_button(true, x, y));
                events.push_back(synthetic_input::left_button(false, x, y));
            }
            inject(events);
            break;
        }
        case StepKind::pad:
            return pad(step.text, error);
        case StepKind::seed:
            std::srand(static_cast<unsigned>(n[0]));
            break;
        case StepKind::signal:
            // As from outside: the program reacts to it at its next look at the queue.
            std::raise(static_cast<int>(n[0]));
            if (!m_finished) {
                pump();
            }
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
