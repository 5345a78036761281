#include "app/app_window.h"

#include <algorithm>
#include <chrono>
#include <cstdlib>

#include "app/game_app.h"
#include "app/window_geometry.h"
#include "app/window_icon.h"
#include "core/game_log.h"
#include "platform/gl_current.h"
#include "platform/gl_window.h"
#include "platform/key_codes.h"
#include "platform/platform.h"
#include "platform/sdl_keyboard_device.h"
#include "platform/tick_timer.h"
#include "ui/main_menu.h"
#include "ui/screen.h"
#include "world/grid.h"

namespace {

const char kDashes[] = "---------------------------------------------------";  // 51

}  // namespace

// ---- tick regularity measurement ------------------------------------------------------------
// Only for the benchmark run (scripts/bench.sh): with QUARRIK_TICK_STATS in the environment the
// window logs when the main menu's first frame is on screen, times the gap between tick
// messages from then on, and logs a summary when it goes. A tick is late when it starts more
// than 5 ms after its due time, 30 ms after the previous one. Without the variable each tick
// costs one test of a flag.
namespace {

class TickStats {
  public:
    using Clock = std::chrono::steady_clock;

    bool enabled() const { return m_enabled; }

    void tick_started() {
        if (!m_menu_shown) {
            return;
        }
        const Clock::time_point now = Clock::now();
        if (m_has_last) {
            const long gap_us = static_cast<long>(
                std::chrono::duration_cast<std::chrono::microseconds>(now - m_last).count());
            ++m_gaps;
            m_gap_sum_us += gap_us;
            m_max_gap_us = std::max(m_max_gap_us, gap_us);
            if (gap_us > (kTickMs + 5) * 1000L) {
                ++m_late;
            }
            if (gap_us >= (2 * kTickMs - 5) * 1000L) {
                ++m_skipped;  // a whole tick was missed or dropped
            }
        }
        m_last = now;
        m_has_last = true;
    }

    void frame_shown(const Screen* top, const Screen* menu) {
        if (!m_menu_shown && top && top == menu) {
            m_menu_shown = true;
            game_log().write("Tick stats: main menu first frame shown");
        }
    }

    void summarise() {
        if (m_gaps == 0) {
            return;
        }
        game_log().write(
            "Tick stats: %ld ticks, %ld late by more than 5 ms (%.2f%%), mean gap "
            "%.2f ms, longest gap %.2f ms, %ld gaps of a missed tick",
            m_gaps, m_late, 100.0 * m_late / m_gaps, m_gap_sum_us / 1000.0 / m_gaps,
            m_max_gap_us / 1000.0, m_skipped);
        m_gaps = 0;
    }

  private:
    bool m_enabled = std::getenv("QUARRIK_TICK_STATS") != nullptr;
    bool m_menu_shown = false;
    bool m_has_last = false;
    Clock::time_point m_last;
    long m_gaps = 0;
    long m_late = 0;
    long m_skipped = 0;
    long m_max_gap_us = 0;
    double m_gap_sum_us = 0.0;
};

TickStats g_tick_stats;

}  // namespace

AppWindow::AppWindow(const std::string& title, GameApp& app)
    : m_window(std::make_unique<GlWindow>()),
      m_timer(std::make_unique<TickTimer>()),
      m_class_name(title),
      m_title(title),
      m_app(app) {
    app.window = this;
    // The playlist starts with the window; the music is heard once the sound output is open.
    m_music.init(&app.sound);
}

AppWindow::~AppWindow() {
    if (g_tick_stats.enabled()) {
        g_tick_stats.summarise();
    }
    destroy_window();
    if (m_app.window == this) {
        m_app.window = nullptr;
    }
}

bool AppWindow::has_window() const {
    return m_window && m_window->exists();
}

// ---- stacks ---------------------------------------------------------------------------------

void AppWindow::push_screen(Screen* screen) {
    if (Screen* below = top_screen(); below && below != screen) {
        below->on_hidden();
    }
    screen->set_host(this);
    screen->activate();
    m_screens.insert(m_screens.begin(), screen);
}

void AppWindow::open_dialog(Screen* dialog) {
    m_dialogs.insert(m_dialogs.begin(), dialog);
    dialog->set_host(this);
    dialog->activate();
    if (Screen* top = top_screen()) {
        top->activate();
    }
}

void AppWindow::close_top(bool immediately) {
    if (!immediately) {
        m_close_pending = true;
        return;
    }
    pop(false);
}

void AppWindow::pop(bool deferred) {
    if (!m_dialogs.empty()) {
        m_closed_dialog = m_dialogs.front();
        m_dialogs.erase(m_dialogs.begin());
        m_notify_pending = true;
        return;
    }
    // The bottom screen (the main menu) stays for the whole run.
    if (m_screens.size() >= 2) {
        m_screens.front()->on_hidden();
        m_screens.erase(m_screens.begin());
        m_screens.front()->activate();
        if (deferred && m_closed_dialog) {
            m_notify_pending = true;
        }
    }
}

void AppWindow::remove_screen(Screen* screen) {
    m_screens.erase(std::remove(m_screens.begin(), m_screens.end(), screen), m_screens.end());
}

bool AppWindow::holds_dialog(const Screen* dialog) const {
    return dialog && (dialog == m_closed_dialog ||
                      std::find(m_dialogs.begin(), m_dialogs.end(), dialog) != m_dialogs.end());
}

void AppWindow::forget_dialog(const Screen* dialog) {
    m_dialogs.erase(std::remove(m_dialogs.begin(), m_dialogs.end(), dialog), m_dialogs.end());
    if (dialog && dialog == m_closed_dialog) {
        m_closed_dialog = nullptr;
        m_notify_pending = false;
    }
}

void AppWindow::close_request() {
    // A close that a discarded dialog asked for must not take the next dialog opened.
    if (!m_dialogs.empty()) {
        m_close_pending = false;
    }
    m_dialogs.clear();
    if (Screen* top = top_screen()) {
        top->on_close_request();
    }
}

// ---- the tick -------------------------------------------------------------------------------

void AppWindow::run_tick() {
    m_tick_in_progress = true;
    if (g_tick_stats.enabled()) {
        g_tick_stats.tick_started();
    }
    tick(kTickMs);
    draw();
    swap_buffers();
    if (g_tick_stats.enabled()) {
        g_tick_stats.frame_shown(m_minimized ? nullptr : top_screen(), m_menu);
    }
    m_tick_in_progress = false;
}

void AppWindow::set_sound_paused(bool paused) {
    m_sound_paused = paused;
    m_app.sound.set_paused(paused);
}

void AppWindow::tick(int elapsed_ms) {
    // A paused song does not advance, heard or not.
    if (!m_sound_paused) {
        m_music.tick(m_minimized, m_app.m_music_volume);
    }
    if (m_close_pending) {
        m_close_pending = false;
        pop(true);
    }
    if (m_notify_pending) {
        m_notify_pending = false;
        Screen* receiver = !m_dialogs.empty() ? m_dialogs.front() : top_screen();
        Screen* closed = m_closed_dialog;
        m_closed_dialog = nullptr;
        if (receiver && closed) {
            receiver->on_dialog_closed(closed->result(), closed);
        }
    }
    if (m_active) {
        if (Screen* dialog = top_dialog()) {
            dialog->tick(elapsed_ms);
        } else if (Screen* screen = top_screen()) {
            screen->tick(elapsed_ms);
        }
    }
    // In the order the frame draws them; nothing moves while nothing is drawn.
    if (!m_minimized) {
        if (Screen* screen = top_screen()) {
            screen->animate(elapsed_ms);
        }
        for (auto it = m_dialogs.rbegin(); it != m_dialogs.rend(); ++it) {
            (*it)->animate(elapsed_ms);
        }
    }
}

void AppWindow::draw() {
    // The frame's one test for a GL context: without one (a window that is not there, the
    // headless tests) no screen is drawn, so nothing below it tests again.
    if (m_minimized || !has_current_gl_context()) {
        return;
    }
    if (Screen* screen = top_screen()) {
        screen->draw();
    }
    for (auto it = m_dialogs.rbegin(); it != m_dialogs.rend(); ++it) {
        (*it)->draw();
    }
}

// ---- messages -------------------------------------------------------------------------------

namespace {

Screen* input_target(Screen* dialog, Screen* screen) {
    return dialog ? dialog : screen;
}

}  // namespace

void AppWindow::handle_event(const WindowEvent& e) {
    switch (e.kind) {
        case WindowEventKind::tick:
            run_tick();
            break;
        case WindowEventKind::close:
            on_close(platform::is_vk_down_now(vk::f4));
            break;
        case WindowEventKind::quit:
            m_quit = true;
            break;
        case WindowEventKind::key_down:
            key_down(e.key);
            break;
        case WindowEventKind::char_typed:
            char_typed(e.key, e.repeat);
            break;
        case WindowEventKind::mouse_move:
            mouse_move(e.x, e.y, e.buttons);
            break;
        case WindowEventKind::left_down:
            left_button_down(e.x, e.y, e.buttons);
            break;
        case WindowEventKind::left_up:
            left_button_up(e.x, e.y, e.buttons);
            break;
        case WindowEventKind::right_up:
            right_button_up(e.x, e.y, e.buttons);
            break;
        case WindowEventKind::focus_gained:
            m_active = true;
            break;
        case WindowEventKind::focus_lost:
            m_active = false;
            break;
        case WindowEventKind::restored:
            restore_from_minimized();
            break;
        case WindowEventKind::pad_button:
            pad_button(e.key);
            break;
        case WindowEventKind::none:
            break;
    }
}

void AppWindow::key_down(int virtual_key) {
    // F11 is the desktop's full-screen key; no screen sees it.
    if (virtual_key == vk::f11) {
        toggle_fullscreen();
        return;
    }
    // F5 changes the music everywhere, and the key still goes on to the screen.
    if (virtual_key == vk::f5) {
        next_track();
    }
    if (Screen* target = input_target(top_dialog(), top_screen())) {
        target->key_down(virtual_key);
    }
}

void AppWindow::char_typed(int code, int repeat) {
    if (Screen* target = input_target(top_dialog(), top_screen())) {
        target->char_typed(code & 0xFFFF, repeat & 0xFFFF);
    }
}

void AppWindow::mouse_move(int x, int y, int buttons) {
    if (Screen* target = input_target(top_dialog(), top_screen())) {
        target->mouse_move(x, y, buttons);
    }
}

void AppWindow::left_button_down(int x, int y, int buttons) {
    if (Screen* target = input_target(top_dialog(), top_screen())) {
        target->left_button_down(x, y, buttons);
    }
}

void AppWindow::left_button_up(int x, int y, int buttons) {
    if (Screen* target = input_target(top_dialog(), top_screen())) {
        target->left_button_up(x, y, buttons);
    }
    // A drag ends with the button: the new place is kept once, not at every step.
    if (m_moved) {
        m_moved = false;
        m_app.save_settings();
    }
}

void AppWindow::right_button_up(int x, int y, int buttons) {
    if (Screen* target = input_target(top_dialog(), top_screen())) {
        target->right_button_up(x, y, buttons);
    }
}

void AppWindow::pad_button(int button) {
    if (Screen* target = input_target(top_dialog(), top_screen())) {
        target->pad_button(button);
    }
}

void AppWindow::on_close(bool f4_down) {
    // Alt+F4 asks the top screen, which answers by posting another close; once F4 is up the
    // close ends the program.
    if (f4_down) {
        close_request();
        return;
    }
    hide();
    m_quit = true;
}

int AppWindow::run_message_loop() {
    WindowEvents events;
    while (!m_quit) {
        events.clear();
        if (!platform::wait_events(events)) {
            break;
        }
        for (const WindowEvent& e : events) {
            handle_event(e);
            if (m_quit) {
                break;
            }
        }
    }
    return 0;
}

// ---- window, context, display modes ---------------------------------------------------------

void AppWindow::create_window(const std::string& title, int x, int y, int width, int height) {
    m_left = x;
    m_top = y;
    m_width = width;
    m_height = height;
    int desktop_w = 0, desktop_h = 0;
    platform::desktop_size(desktop_w, desktop_h);
    place_window(desktop_w, desktop_h, width, height, m_left, m_top);
    m_title = title;

    m_window->create(m_title, m_left, m_top, m_width, m_height);
    DecodedImage icon;
    if (load_window_icon(m_app.archive, icon)) {
        m_window->set_icon(icon.pixels.data(), icon.width, icon.height);
    }
    game_log().write("%s", kDashes);
    game_log().write("Vendor: %s", m_window->gl_vendor().c_str());
    game_log().write("Version: %s", m_window->gl_version().c_str());
    game_log().write("Renderer: %s", m_window->gl_renderer().c_str());
    game_log().write("%s", kDashes);

    m_timer->start(kTickMs, &m_tick_in_progress);
    m_window->raise_and_focus();
    m_app.keyboard.create(std::make_unique<SdlKeyboardDevice>());
}

void AppWindow::destroy_window() {
    m_app.keyboard.release();
    if (m_timer) {
        m_timer->stop();
    }
    if (m_window) {
        m_window->destroy();
    }
}

bool AppWindow::set_fullscreen(int width, int height) {
    if (width == 320 || width == 400 || width == 640) {
        return false;
    }
    if (!has_window()) {
        return false;
    }
    if (m_fullscreen) {
        return true;
    }
    // The window's own size and place, whatever happens next.
    window_position(m_saved_left, m_saved_top);
    m_saved_width = width_now();
    m_saved_height = height_now();
    // The window and its context stay: a switch that fails leaves everything as it was, and
    // no texture has to be loaded again.
    if (m_window->display_offers_mode(width, height) &&
        m_window->enter_fullscreen_mode(width, height)) {
        m_fullscreen = true;
        game_log().write("Full screen: display mode %dx%d", width, height);
    } else if (m_window->enter_desktop_fullscreen()) {
        m_fullscreen = true;
        game_log().write(
            "Full screen: the display has no %dx%d mode, the picture is scaled to %dx%d", width,
            height, width_now(), height_now());
    } else {
        game_log().write("Full screen refused by the display (%s); the window stays",
                         m_window->last_error().c_str());
        put_window_back();
        return false;
    }
    m_width = width_now();
    m_height = height_now();
    return true;
}

bool AppWindow::restore_display() {
    if (!m_fullscreen) {
        return true;
    }
    m_window->leave_fullscreen();
    m_fullscreen = false;
    put_window_back();
    return true;
}

void AppWindow::put_window_back() {
    // Not every window system brings the size back by itself.
    m_window->resize(m_saved_width, m_saved_height);
    move_window(m_saved_left, m_saved_top);
    m_width = m_saved_width;
    m_height = m_saved_height;
}

void AppWindow::toggle_fullscreen() {
    if (m_fullscreen) {
        restore_display();
    } else {
        set_fullscreen(m_app.view.m_screen_width, m_app.view.m_screen_height);
    }
    // The player's switch (F11 or the menu button) is kept at once.
    m_app.save_settings();
}

int AppWindow::width_now() const {
    int w = 0, h = 0;
    if (has_window()) {
        m_window->size(w, h);
    }
    return w > 0 ? w : m_width;
}

int AppWindow::height_now() const {
    int w = 0, h = 0;
    if (has_window()) {
        m_window->size(w, h);
    }
    return h > 0 ? h : m_height;
}

int AppWindow::width() const {
    return width_now();
}

int AppWindow::height() const {
    return height_now();
}

void AppWindow::drawable_size(int& width, int& height) const {
    width = height = 0;
    if (has_window()) {
        m_window->drawable_size(width, height);
    }
    if (width <= 0 || height <= 0) {
        width = width_now();
        height = height_now();
    }
}

void AppWindow::picture_size(int& width, int& height) const {
    width = m_app.view.m_screen_width;
    height = m_app.view.m_screen_height;
}

Letterbox AppWindow::picture() const {
    int dw = 0, dh = 0;
    drawable_size(dw, dh);
    return fit_picture(dw, dh, m_app.view.m_screen_width, m_app.view.m_screen_height);
}

bool AppWindow::to_logical(int x, int y, int& lx, int& ly) const {
    int dw = 0, dh = 0;
    drawable_size(dw, dh);
    const Letterbox box =
        fit_picture(dw, dh, m_app.view.m_screen_width, m_app.view.m_screen_height);
    return window_to_logical(box, width_now(), height_now(), dw, dh, m_app.view.m_screen_width,
                             m_app.view.m_screen_height, x, y, lx, ly);
}

void AppWindow::to_window(double lx, double ly, int& x, int& y) const {
    int dw = 0, dh = 0;
    drawable_size(dw, dh);
    const Letterbox box =
        fit_picture(dw, dh, m_app.view.m_screen_width, m_app.view.m_screen_height);
    logical_to_window(box, width_now(), height_now(), dw, dh, m_app.view.m_screen_width,
                      m_app.view.m_screen_height, lx, ly, x, y);
}

void AppWindow::minimize() {
    if (m_fullscreen) {
        restore_display();
    }
    m_window->minimize();
    m_minimized = true;
}

void AppWindow::restore_from_minimized() {
    if (!m_minimized) {
        return;
    }
    if (Screen* top = top_screen()) {
        top->activate();
    }
    m_minimized = false;
}

void AppWindow::hide() {
    m_window->hide();
}

void AppWindow::swap_buffers() {
    m_window->swap_buffers();
}

void AppWindow::window_position(int& left, int& top) const {
    if (has_window()) {
        m_window->position(left, top);
    } else {
        left = m_left;
        top = m_top;
    }
}

void AppWindow::move_window(int left, int top) {
    m_left = left;
    m_top = top;
    m_moved = true;
    m_window->move_to(left, top);
}
